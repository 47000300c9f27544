// The node build of the terminal edition against the native one: the worked
// examples and the golden games, then a few hundred seeded scripts of random
// orders. Every transcript, error line, exit code and saved file must match.
//   node cli-equivalence.mjs NATIVE_CLI NODE_CLI_JS [SCRIPT_COUNT]
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const [nativeArg, nodeArg, countArg] = process.argv.slice(2);
if (!nativeArg || !nodeArg) {
  console.error('usage: node cli-equivalence.mjs NATIVE_CLI NODE_CLI_JS [SCRIPT_COUNT]');
  process.exit(2);
}
const nativeCli = path.resolve(nativeArg);
const nodeCli = path.resolve(nodeArg);
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const scriptCount = Number(countArg || 300);

// One run in its own folder, so that saves by relative name land apart.
function run(command, args, input, folder) {
  fs.rmSync(folder, { recursive: true, force: true });
  fs.mkdirSync(folder, { recursive: true });
  return new Promise((resolve, reject) => {
    const child = spawn(command, args, { cwd: folder });
    const out = [];
    const err = [];
    child.stdout.on('data', (d) => out.push(d));
    child.stderr.on('data', (d) => err.push(d));
    child.on('error', reject);
    child.on('close', (status) => {
      const files = {};
      for (const name of fs.readdirSync(folder).sort()) files[name] = fs.readFileSync(path.join(folder, name), 'latin1');
      resolve({ stdout: Buffer.concat(out).toString('latin1'), stderr: Buffer.concat(err).toString('latin1'), status, files });
    });
    child.stdin.on('error', () => {});  // a game may end before it has read every order
    child.stdin.end(input, 'latin1');
  });
}

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'aurovane-equivalence-'));
let failures = 0;
let runs = 0;
async function compare(label, args, input, expectedStdout) {
  const slot = path.join(work, String(++runs));
  const [a, b] = await Promise.all([run(nativeCli, args, input, `${slot}-native`),
                                    run(process.execPath, [nodeCli, ...args], input, `${slot}-node`)]);
  const problems = [];
  if (expectedStdout !== undefined && b.stdout !== expectedStdout) problems.push('node transcript differs from the committed one');
  for (const key of ['stdout', 'stderr', 'status'])
    if (a[key] !== b[key]) problems.push(`${key} differs`);
  if (JSON.stringify(a.files) !== JSON.stringify(b.files)) problems.push('saved files differ');
  if (problems.length) {
    failures++;
    const keep = path.join(work, `failed-${failures}.script`);
    fs.writeFileSync(keep, `# ${args.join(' ')}\n${input}`);
    console.error(`FAIL ${label}: ${problems.join(', ')} (script kept in ${keep})`);
  }
  fs.rmSync(`${slot}-native`, { recursive: true, force: true });
  fs.rmSync(`${slot}-node`, { recursive: true, force: true });
}

// The three worked examples, against their committed transcripts.
const examples = [['new-game', ['--seed', '1']], ['opening', ['--seed', '42', '--answers', 'yn']],
                  ['scenario-260', ['--seed', '7', '--answers', 'y']]];
for (const [name, args] of examples) {
  const dir = path.join(root, 'tests/cli/examples');
  await compare(`example ${name}`, args, fs.readFileSync(path.join(dir, `${name}.script`), 'latin1'),
          fs.readFileSync(path.join(dir, `${name}.transcript`), 'latin1'));
}
// The golden games carry their arguments on the first line.
const goldenDir = path.join(root, 'tests/golden');
for (const name of fs.readdirSync(goldenDir).filter((f) => f.endsWith('.script')).sort()) {
  const text = fs.readFileSync(path.join(goldenDir, name), 'latin1');
  const args = text.split('\n')[0].replace(/^# aurovane-cli\s*/, '').split(/\s+/).filter(Boolean);
  await compare(`golden ${name}`, args, text);
}

// The province names, as the native program lists them.
const listing = spawnSync(nativeCli, ['--seed', '1'], { input: 'map\n', encoding: 'latin1' }).stdout;
const provinces = listing.split('\n').slice(1).map((l) => l.split(/\s{2,}/)[0]).filter(Boolean)
  .map((n) => n.replace(/ /g, '_'));
if (provinces.length !== 30) throw new Error(`expected 30 provinces in the listing, got ${provinces.length}`);

// The same generator as the C library's rand(), so a failing script can be made again from its number.
function generator(seed) {
  let state = seed >>> 0;
  return (n) => {
    state = (Math.imul(state, 214013) + 2531011) >>> 0;
    return ((state >>> 16) & 0x7fff) % n;
  };
}

function randomScript(number) {
  const pick = generator(number * 7919 + 13);
  const args = ['--seed', String(pick(30000) + 1), '--skill', String(pick(3))];
  if (pick(4) !== 0) args.push('--answers', ['y', 'n', 'yn', 'nny', 'yyn'][pick(5)]);
  const lines = [];
  const orders = 20 + pick(120);
  const province = () => provinces[pick(provinces.length)];
  for (let i = 0; i < orders; ++i) {
    const r = pick(100);
    if (r < 45) lines.push(`drop ${province()} ${province()}`);
    else if (r < 50) lines.push(`dropat ${province()} ${pick(820) - 10} ${pick(560) - 10}`);
    else if (r < 80) lines.push('end');
    else if (r < 82) lines.push(`scenario ${[260, 308, 410, 455, 300][pick(5)]}`);
    else if (r < 83) lines.push('new');
    else if (r < 85) lines.push(`skill ${pick(4)}`);
    else if (r < 87) lines.push('save kept.avn');
    else if (r < 89) lines.push('load kept.avn');
    else if (r < 90) lines.push('load missing.avn');
    else if (r < 92) lines.push('dump');
    else if (r < 93) lines.push('status');
    else if (r < 94) lines.push('pfj');
    else if (r < 96) lines.push(`drop ${province().slice(0, 1 + pick(3))} ${province()}`);
    else lines.push(['march', 'drop', 'end now', '# note', ''][pick(5)]);
  }
  return { args, input: lines.join('\n') + '\n' };
}

// A few games at a time, one per core.
let next = 1;
async function worker() {
  while (next <= scriptCount) {
    const n = next++;
    const { args, input } = randomScript(n);
    await compare(`random script ${n}`, args, input);
  }
}
await Promise.all(Array.from({ length: Math.max(1, os.cpus().length) }, worker));

const total = examples.length + fs.readdirSync(goldenDir).filter((f) => f.endsWith(".script")).length + scriptCount;
if (failures) {
  console.error(`${failures} of the scripts gave different transcripts`);
  process.exit(1);
}
fs.rmSync(work, { recursive: true, force: true });
console.log(`the node build matched the native terminal edition on all ${total} scripts`);
