// The quiz of every language's page: the page gives its questions and the
// words of the marking (which the game's own quiz reads from the page too).
"use strict";
const form = document.getElementById("quiz");
function build() {
  form.innerHTML = "";
  questions.forEach((item, i) => {
    const box = document.createElement("div");
    box.className = "question";
    const title = document.createElement("p");
    title.textContent = (i + 1) + ". " + item.q;
    box.appendChild(title);
    item.a.forEach((text, j) => {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = "radio"; input.name = "q" + i; input.value = String(j);
      label.appendChild(input);
      label.appendChild(document.createTextNode(" " + text));
      box.appendChild(label);
      box.appendChild(document.createElement("br"));
    });
    const verdict = document.createElement("p");
    verdict.id = "verdict" + i;
    box.appendChild(verdict);
    form.appendChild(box);
  });
  document.getElementById("score").textContent = "";
}
function check() {
  let score = 0;
  questions.forEach((item, i) => {
    const chosen = form.querySelector('input[name="q' + i + '"]:checked');
    const verdict = document.getElementById("verdict" + i);
    if (chosen && Number(chosen.value) === item.right) {
      score++;
      verdict.className = "right"; verdict.textContent = marking.correct;
    } else {
      verdict.className = "wrong";
      verdict.textContent = (chosen ? marking.notQuite : marking.noAnswer).replace("%1", item.a[item.right]);
    }
  });
  const words = score === questions.length ? marking.allRight : score >= marking.passMark ? marking.passed : marking.failed;
  document.getElementById("score").textContent =
    marking.score.replace("%1", score).replace("%2", questions.length) + " " + words;
}
document.getElementById("check").addEventListener("click", check);
document.getElementById("again").addEventListener("click", build);
build();
