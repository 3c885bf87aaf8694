// The web build in headless Chromium, driven by puppeteer-core:
//  - the game's page loads without a console error, draws the title, opens
//    a round on a click on Leicht and goes back to the title on Escape;
//  - the probe page (the game with tests/web/vindra_probe.cpp) starts a round
//    at score 0 with 10 words, costs 100 for a wrong cell, skips on a right
//    click and comes back on Escape;
//  - the sound example opens and its audio context runs after a key;
//  - the sound check (tests/web/sound_probe.cpp) plays its tone and music
//    with the audio context running, the tone as long as it was made.
// Usage: node page_test.mjs BUILD_WEB_DIR. Every wait is bounded, all of
// them together by the test's whole time, and says what it awaited when it
// runs out. Prints one FIGURES line (load time, CPU
// time per frame of a round) for the record, never judged.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const buildDir = path.resolve(process.argv[2] || 'build-web');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
const WAIT_MS = 20000;
// The first frame of a page also waits for the browser's GPU process and its
// software renderer to start, seconds on a loaded machine.
const FIRST_FRAME_MS = 60000;
// Below CTest's limit for the whole test (cmake/platform/web_targets.cmake),
// so a slow machine ends in a failure that says what was awaited.
const TOTAL_MS = 280000;
const deadline = Date.now() + TOTAL_MS;

const results = [];
const figures = {};

// The build's pages over HTTP on the loopback address, as a player gets them.
const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.data': 'application/octet-stream'};
const server = http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  const file = path.join(buildDir, path.normalize(name));
  if (!file.startsWith(buildDir + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
  fs.createReadStream(file).pipe(response);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}`;

const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
         '--autoplay-policy=no-user-gesture-required', '--mute-audio'],
});

class Failure extends Error {}
function check(condition, what) {
  if (!condition) throw new Failure(what);
}

// A wait's own bound cut to the time the test has left; a wait with none
// left fails at once (a bound of 0 would mean none to puppeteer).
function bound(ms, what) {
  const left = Math.min(ms, deadline - Date.now());
  if (left <= 0) throw new Failure(`the test's ${TOTAL_MS} ms ran out before waiting for ${what}`);
  return left;
}

// Waits for `predicate` in the page (polled), failing with `what` after the
// bound.
async function waitInPage(page, what, predicate, ...args) {
  return waitInPageFor(WAIT_MS, page, what, predicate, ...args);
}
async function waitInPageFor(ms, page, what, predicate, ...args) {
  const timeout = bound(ms, what);
  try {
    return await page.waitForFunction(predicate, {timeout, polling: 20}, ...args);
  } catch (e) {
    throw new Failure(`waited ${timeout} ms for ${what}`);
  }
}

// The pages the running test opened, closed when it ends however it ends.
const openPages = [];

// Opens a page that reports its console errors, page errors and output.
async function open(url) {
  const page = await browser.newPage();
  openPages.push(page);
  await page.setViewport({width: 1000, height: 750});
  const log = {errors: [], lines: []};
  page.on('console', (m) => {
    if (m.type() === 'error') log.errors.push(m.text());
    log.lines.push(m.text());
  });
  page.on('pageerror', (e) => log.errors.push(String(e && e.message)));
  page.on('requestfailed', (r) => log.errors.push(`request failed: ${r.url()}`));
  const started = Date.now();
  const timeout = bound(WAIT_MS, `${url} to load`);
  try {
    await page.goto(url, {waitUntil: 'load', timeout});
  } catch (e) {
    throw new Failure(`waited ${timeout} ms for ${url} to load: ${e.message}`);
  }
  return {page, log, started};
}

// Colour of the canvas pixel (x, y): the canvas copied into a 2D canvas (the
// program draws into a back buffer of its own, so the canvas keeps its frame).
const pixelOf = (x, y) => {
  const source = document.getElementById('canvas');
  const copy = document.createElement('canvas');
  copy.width = source.width;
  copy.height = source.height;
  const context = copy.getContext('2d');
  context.drawImage(source, 0, 0);
  return Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3));
};

// The title: the three buttons in their colours (green, orange, red) at their
// centres, the logo lit.
const titleShown = (pixelOfSource) => {
  const pixelOf = eval(pixelOfSource);
  const [g, o, r] = [pixelOf(300, 237), pixelOf(300, 337), pixelOf(300, 437)];
  return g[1] > g[0] + 40 && g[1] > g[2] + 40 && o[0] > o[2] + 80 && o[1] > o[2] + 30 &&
         r[0] > r[1] + 60 && r[0] > r[2] + 60;
};
// A round: the grid's first cell (blue-grey) where the title is black.
const roundShown = (pixelOfSource) => {
  const pixelOf = eval(pixelOfSource);
  const [r, g, b] = pixelOf(20, 60);
  return b > 60 && b > r + 10;
};

async function click(page, x, y, button = 'left') {
  const box = await (await page.$('#canvas')).boundingBox();
  await page.mouse.click(box.x + x, box.y + y, {button});
}

async function test(name, body) {
  try {
    await body();
    results.push([name, true]);
    console.log(`[  PASSED  ] ${name}`);
  } catch (e) {
    results.push([name, false]);
    console.log(`[  FAILED  ] ${name}: ${e instanceof Failure ? e.message : e.stack}`);
  } finally {
    // A page left open keeps running and slows the tests after it.
    for (const page of openPages.splice(0)) await page.close().catch(() => {});
  }
}

await test('GamePage.LoadsDrawsTheTitleOpensARoundAndComesBack', async () => {
  const {page, log, started} = await open(`${base}/web/index.html`);
  await waitInPageFor(FIRST_FRAME_MS, page, 'the title screen', titleShown, pixelOf.toString());
  figures.first_title_frame_ms = Date.now() - started;
  await click(page, 400, 237);
  await waitInPage(page, 'a round after the click on Leicht', roundShown, pixelOf.toString());
  await page.keyboard.press('Escape');
  await waitInPage(page, 'the title after Escape', titleShown, pixelOf.toString());
  check(log.errors.length === 0, `console errors: ${log.errors.join(' | ')}`);
});

await test('GamePage.RoundScoresMissesAndSkips', async () => {
  const {page, log} = await open(`${base}/web-tests/vindra_probe.html`);
  const probe = () => page.evaluate(() => window.vindraProbe);
  await waitInPageFor(FIRST_FRAME_MS, page, 'the title screen',
                      () => window.vindraProbe && window.vindraProbe.screen === 'title');
  await click(page, 400, 237);
  await waitInPage(page, 'a round after the click on Leicht', () => window.vindraProbe.screen === 'round');
  let state = await probe();
  check(state.score === 0 && state.words === 10, `round starts at score ${state.score} with ${state.words} words`);

  // CPU time of the page's main thread per frame while the round runs.
  const before = await page.metrics();
  const framesBefore = (await probe()).frames;
  await new Promise((resolve) => setTimeout(resolve, 2000));
  const after = await page.metrics();
  const frames = (await probe()).frames - framesBefore;
  figures.round_cpu_ms_per_frame = +((after.TaskDuration - before.TaskDuration) * 1000 / frames).toFixed(2);
  figures.round_frames_per_second = +(frames / 2).toFixed(1);

  state = await probe();
  await click(page, state.miss[0], state.miss[1]);
  await waitInPage(page, 'the score after a wrong cell', () => window.vindraProbe.score !== 0);
  state = await probe();
  check(state.score === -100 && state.words === 10 && state.flash === 'miss',
        `a wrong cell gives score ${state.score}, ${state.words} words, a ${state.flash} flash`);

  await click(page, 400, 300, 'right');
  await waitInPage(page, 'the next word after a right click', () => window.vindraProbe.words === 9);
  state = await probe();
  check(state.score === -100 && state.flash === 'skip', `a skip gives score ${state.score}, a ${state.flash} flash`);

  await page.keyboard.press('Escape');
  await waitInPage(page, 'the title after Escape', () => window.vindraProbe.screen === 'title');
  check(log.errors.length === 0, `console errors: ${log.errors.join(' | ')}`);
});

await test('SoundExample.OpensAndPlaysOnAKey', async () => {
  const {page, log} = await open(`${base}/web/examples/sound.html`);
  await waitInPageFor(FIRST_FRAME_MS, page, 'the audio output', () => window.Module && Module.tazmixAudio !== undefined);
  await page.keyboard.press('Space');
  await waitInPage(page, 'the audio context to run after a key', () => Module.tazmixAudio.context.state === 'running');
  check(log.errors.length === 0, `console errors: ${log.errors.join(' | ')}`);
});

await test('SoundCheck.PlaysWithTheAudioContextRunning', async () => {
  const {page, log} = await open(`${base}/web-tests/sound_probe.html`);
  await waitInPageFor(FIRST_FRAME_MS, page, 'the audio output', () => window.Module && Module.tazmixAudio !== undefined);
  const lines = () => log.lines.join('\n');
  const reportBound = bound(WAIT_MS, "the check's report");
  const reportBy = Date.now() + reportBound;
  while (!/music: /.test(lines()) && Date.now() < reportBy) await new Promise((r) => setTimeout(r, 50));
  check(/music: /.test(lines()), `waited ${reportBound} ms for the check's report; output: ${lines()}`);
  const state = await page.evaluate(() => Module.tazmixAudio && Module.tazmixAudio.context.state);
  check(state === 'running', `the audio context is ${state}`);
  check(/tone 250 ms: played/.test(lines()), `the tone: ${lines()}`);
  check(/music: played/.test(lines()), `the music: ${lines()}`);
  check(log.errors.length === 0, `console errors: ${log.errors.join(' | ')}`);
});

await browser.close();
server.close();
const failed = results.filter(([, ok]) => !ok).length;
console.log(`FIGURES ${Object.entries(figures).map(([k, v]) => `${k}=${v}`).join(' ')}`);
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
