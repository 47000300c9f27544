#!/usr/bin/env bash
# The quiz page answers offline in a browser: seven right answers and three
# wrong ones must score "7 of 10", each wrong one naming the right answer.
set -euo pipefail
browser=$1
web=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$web"/. "$work"/
python3 - "$work/quiz.html" "$work/quiz-run.html" <<'PY'
import sys
page = open(sys.argv[1]).read()
answer = '''<script>
document.querySelectorAll('.question').forEach((box, i) => {
  const pick = i < 7 ? questions[i].right : (questions[i].right + 1) % 4;
  box.querySelectorAll('input')[pick].checked = true;
});
document.getElementById("check").click();
</script></body>'''
open(sys.argv[2], 'w').write(page.replace('</body>', answer))
PY
dom=$(timeout 60 "$browser" --headless --no-sandbox --disable-gpu --dump-dom "file://$work/quiz-run.html" 2>/dev/null)
grep -q 'You answered 7 of 10 correctly' <<<"$dom" || { echo "quiz did not score 7 of 10"; exit 1; }
[ "$(grep -o 'class="right">Correct.' <<<"$dom" | wc -l)" -eq 7 ] || { echo "expected 7 correct verdicts"; exit 1; }
grep -q 'The answer is: Odoacer.' <<<"$dom" || { echo "a wrong answer does not name the right one"; exit 1; }
echo "quiz page checks answers offline"
