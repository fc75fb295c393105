// What the web page costs: the time from navigation to the first frame of the game (its first
// contentful paint, which the field and the labels make together), with the browser's cache
// empty and then warm; and the CPU time of Chromium's renderer over SECONDS of play, beside an
// empty page that repaints a 208 x 400 canvas every 15 ms, in turns, medians of ROUNDS; then
// the whole browser's (renderer, GPU process and browser together). After the test command.
// Under CI (CI=true) it runs one short round, which shows that it runs, not what the page costs.
// Usage: node bench/web_cost.js [PAGE_FOLDER] [SECONDS] [ROUNDS]
const fs = require('fs');
const path = require('path');
const { withPage, top } = require('../scripts/browser/browser');

const short = process.env.CI === 'true';
const folder = process.argv[2] || path.join(top, 'build/web/page');
const seconds = Number(process.argv[3] || (short ? 3 : 20));
const rounds = Number(process.argv[4] || (short ? 1 : 3));
const loads = short ? 2 : 6;  // the first with an empty cache
const emptyPage = `data:text/html,<canvas width=208 height=400></canvas><script>
  const context = document.querySelector('canvas').getContext('2d');
  let shade = 0;
  setInterval(() => { context.fillStyle = 'rgb(0,' + (shade++ % 2) + ',0)'; context.fillRect(0, 0, 208, 400); }, 15);
</script>`;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ticksPerSecond = 100;  // the kernel's clock ticks, as /proc counts CPU time

// The CPU seconds of the browser that this script started (its processes descend from this
// one): its renderers, and all its processes.
function cpu() {
  const processes = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      processes.set(Number(pid), {
        parent: Number(fields[1]),
        seconds: (Number(fields[11]) + Number(fields[12])) / ticksPerSecond,
        renderer: fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer'),
      });
    } catch (error) {
      // a process that ended meanwhile
    }
  }
  const ours = (pid) => {
    for (let at = processes.get(pid); at; at = processes.get(at.parent)) {
      if (at.parent === process.pid) return true;
    }
    return false;
  };
  const result = { renderer: 0, all: 0 };
  for (const [pid, entry] of processes) {
    if (!ours(pid)) continue;
    result.all += entry.seconds;
    if (entry.renderer) result.renderer += entry.seconds;
  }
  return result;
}

async function firstFrame(browser, address) {
  const context = await browser.newContext();
  const times = [];
  for (let i = 0; i < loads; ++i) {
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
    times.push(await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0].startTime));
    await page.close();
  }
  await context.close();
  return { cold: times[0], warm: median(times.slice(1)) };
}

async function costOf(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await sleep(1000);
  const before = cpu();
  await sleep(seconds * 1000);
  const after = cpu();
  await page.close();
  return { renderer: after.renderer - before.renderer, all: after.all - before.all };
}

withPage(folder, async (browser, address) => {
  if (short) console.log('a short round (CI=true): the figures below only show that it runs');
  const frame = await firstFrame(browser, address);
  console.log(`first frame: ${frame.cold.toFixed(0)} ms after navigation with an empty cache, ` +
              `${frame.warm.toFixed(0)} ms with a warm one (median of ${loads - 1})`);
  const game = [];
  const empty = [];
  for (let round = 0; round < rounds; ++round) {
    game.push(await costOf(browser, address));
    empty.push(await costOf(browser, emptyPage));
  }
  for (const part of ['renderer', 'all']) {
    const [g, e] = [median(game.map((c) => c[part])), median(empty.map((c) => c[part]))];
    console.log(`${part === 'all' ? 'whole browser' : 'renderer'} over ${seconds} s: game ` +
                `${g.toFixed(2)} s, empty canvas page ${e.toFixed(2)} s, ratio ${(g / e).toFixed(2)}`);
  }
});
