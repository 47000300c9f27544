// Named checks for the browser tests: each one's failure is told on its own
// line and the rest still run; `failures` counts them for the exit code.
export function checks() {
  const run = {
    failures: 0,
    async check(name, body) {
      try {
        await body();
        console.log(`ok   ${name}`);
      } catch (e) {
        run.fail(`${name}: ${e.message.split('\n').slice(0, 8).join('\n')}`);
      }
    },
    fail(text) {
      run.failures++;
      console.log(`FAIL ${text}`);
    },
  };
  return run;
}
