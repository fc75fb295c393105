// The web page in a real browser of each engine (browser.js), at device pixel ratios 1 and 2
// where the engine sets them, with the page served over HTTP on 127.0.0.1, driven with real key
// presses and clicks. The checks are the desktop programs' own, on the pictures they read
// through the same picture_check.py; in Chromium, also the page on phones and by touch.
// Usage: node web_test.js chromium|firefox|webkit PAGE_FOLDER
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { withPage, engines } = require('../../../scripts/browser/browser');

const golden = path.join(__dirname, '../../widget/golden/start.png');
const pictureCheck = path.join(__dirname, '../picture_check.py');
const pageFiles = ['/', '/vexal.js', '/vexal.wasm', '/vexal.ico', '/sw.js', '/manifest.webmanifest',
  '/icon-192.png', '/icon-512.png', '/icon-maskable.png'];
const mostCompressedBytes = 150 * 1024;  // what the page's files may take, gzipped, together

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function poll(what, condition, tries = 100) {
  for (let i = 0; i < tries; ++i) {
    if (await condition()) return;
    await sleep(50);
  }
  assert.fail(what);
}

function check(picture, ...args) {
  try {
    return execFileSync('/usr/bin/python3', [pictureCheck, ...args], { input: picture }).toString().trim();
  } catch (error) {
    return null;  // a check that did not hold
  }
}

// The game at a device pixel ratio in a tab of any engine: the desktop programs' checks.
async function play(tab, address, scale) {
  const errorsBefore = tab.errors.length;
  await tab.open(address);
  const game = () => tab.picture('#vexal-game');
  const text = (selector) => tab.run((query) => document.querySelector(query)?.innerText ?? null, selector);
  const lost = async () => Number((await text('#vexal-game')).match(/Lost:\s*(\d+)/)[1]);
  const shown = (selector, want = true) => poll(`${selector} is ${want ? 'not ' : ''}shown`,
                                                async () => (await text(selector) !== null) === want);
  const focused = () => tab.run(() => document.activeElement.id);
  const about = '[role=dialog][aria-label="About vexal"]';

  await shown('#vexal-about-caption');  // the game has started
  assert.equal(await tab.run(() => document.title), 'Game');
  const box = await tab.box('#vexal-game');
  const [width, height] = await tab.run(() => [innerWidth, innerHeight]);
  assert.deepEqual([box.width, box.height], [208, 400], 'the game area is not 208 x 400');
  assert.deepEqual([box.x, box.y], [(width - 208) / 2, (height - 400) / 2], 'the game area is not centred');
  await poll(`the cannon at ratio ${scale} is not the picture in whole blocks`,
             async () => check(await game(), 'in-blocks', golden) !== null);
  for (const [x, y, colour] of [[5, 5, 'black'], [104, 336, 'white'], [150, 337, 'black'], [104, 385, 'yellow']]) {
    assert.equal(check(await game(), 'colour', `${x * scale}`, `${y * scale}`), colour, `pixel ${x} ${y}`);
  }

  for (let i = 0; i < 12; ++i) await tab.press('4');
  await poll('twelve 4s put the cannon elsewhere', async () => check(await game(), 'cannon-edge') === '5');
  // About ten losses a second; a moment when the machine is busy slows a browser's timer (WebKit's
  // most), so a pace out of bounds is measured once more: a wrong interval fails both.
  const pace = async () => {
    const [started, lostBefore] = [Date.now(), await lost()];
    await sleep(3000);
    return (await lost() - lostBefore) / ((Date.now() - started) / 1000);
  };
  const inBounds = (rate) => rate >= 6 && rate <= 15;
  const rate = await pace().then((first) => inBounds(first) ? first : pace());
  assert.ok(inBounds(rate), `${rate} losses a second`);

  // About stops the field; a second click leaves one About window; Esc lets the game run on.
  // Pictures of frames drawn after the last action: an engine may picture the frame before.
  const paused = async () => {
    await tab.run(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    const before = [await lost(), await game()];
    await sleep(500);
    return before[0] === await lost() && before[1].equals(await game());
  };
  await tab.click('#vexal-about-caption');
  await shown(about);
  assert.ok(await paused(), 'the field moves behind the About window');
  assert.equal(await focused(), 'vexal-about-ok');
  const client = await tab.box('#vexal-about .vexal-client');
  assert.deepEqual([client.width, client.height], [351, 150], 'the About window is not 351 x 150');
  await tab.click('#vexal-about-caption');
  assert.equal(await tab.run(() => document.querySelectorAll('[role=dialog]').length), 1, 'a second click opened another');
  await tab.press('Escape');
  await shown(about, false);
  assert.ok(!(await paused()), 'Esc left the game paused');

  // The close button leaves the game paused.
  await tab.click('#vexal-about-caption');
  await tab.click('#vexal-about-close');
  await shown(about, false);
  assert.ok(await paused(), 'the close button let the game run on');

  // Alt+S gives System Info the focus and shows the box; the focus comes back to System Info;
  // Enter presses it again.
  await tab.click('#vexal-about-caption');
  const message = '[role=alertdialog][aria-label=vexal]';
  for (const [key, modifier] of [['s', 'Alt'], ['Enter']]) {
    await tab.press(key, modifier);
    await shown(message);
    assert.match(await text(message), /System Information Is Unavailable At This Time/);
    await tab.press('Enter');
    await shown(message, false);
  }
  assert.equal(await focused(), 'vexal-about-sysinfo');
  await tab.press('Tab');
  assert.equal(await focused(), 'vexal-about-ok');

  // A press on the game area brings it in front, and its keys are the game's again: four 6s
  // take the cannon from 80 twips to 480, pixel 32.
  await tab.clickAt(box.x + 5, box.y + 5);
  const aboutBox = await tab.box(about);
  const inFront = await tab.run(([x, y]) => document.elementFromPoint(x, y).closest('#vexal-game') !== null,
                                [box.x + 104, aboutBox.y + 40]);
  assert.ok(inFront, 'the game area stays behind the About window');
  for (let i = 0; i < 4; ++i) await tab.press('6');
  await poll('the game took no keys in front of the About window',
             async () => check(await game(), 'cannon-edge') === '32');
  await tab.press('Enter');
  assert.ok(await text(about) !== null, 'Enter reached the About window from behind');
  // Dragging the caption moves the window and brings it in front; OK resumes the game.
  await tab.drag([aboutBox.x + 60, aboutBox.y + 10], [aboutBox.x + 60, aboutBox.y - 90]);
  assert.equal((await tab.box(about)).y, aboutBox.y - 100, 'the caption does not move the window');
  await tab.press('Enter');
  await shown(about, false);
  assert.ok(!(await paused()), 'OK left the game paused');

  // Nothing kept but the page's own files for its service worker, nothing fetched but those.
  const kept = await tab.run(async () => [document.cookie, localStorage.length,
    sessionStorage.length, (await indexedDB.databases()).length,
    (await caches.keys()).filter((name) => !/^vexal-[0-9a-f]{16}$/.test(name)).length]);
  assert.deepEqual(kept, ['', 0, 0, 0, 0], 'the page kept something');
  const fetched = await tab.run(() => performance.getEntriesByType('resource').map((entry) => entry.name));
  const foreign = fetched.map((url) => url.replace(address, '/')).filter((file) => !pageFiles.includes(file));
  assert.deepEqual(foreign, [], 'the page fetched other files');
  assert.deepEqual(tab.errors.slice(errorsBefore), []);
}

// After the module stops (abort(), which a trap or running out of memory calls), its box closes
// by OK, Enter and Esc; then the page says how to play again, and keys and clicks change nothing.
async function stopped(tab, address) {
  const text = (selector) => tab.run((query) => document.querySelector(query)?.innerText ?? null, selector);
  const box = '[role=alertdialog]';
  for (const close of [() => tab.click(`${box} button`), () => tab.press('Enter'), () => tab.press('Escape')]) {
    await tab.open(address);
    await poll('the game did not start', async () => await text('#vexal-about-caption') !== null);
    const errorsBefore = tab.errors.length;
    await tab.run(() => { try { abort('planted'); } catch (stop) { /* the stop's own */ } });
    assert.match(await text(box) ?? '', /The game stopped: planted/);
    await close();
    await poll('the box of the stop did not close', async () => await text(box) === null);
    assert.match(await text('.vexal-ended') ?? '', /Reload the page to play again/);
    // WebKit may still show the box for a frame or two after it has gone from the page.
    let before = await tab.picture('#vexal-game');
    await poll('the stopped page kept changing', async () => {
      const now = await tab.picture('#vexal-game');
      const same = before.equals(now);
      before = now;
      return same;
    });
    for (const key of ['4', '6', ' ']) await tab.press(key);
    await tab.click('#vexal-about-caption');
    await sleep(300);
    assert.ok(before.equals(await tab.picture('#vexal-game')), 'the stopped game changed');
    assert.deepEqual(tab.errors.slice(errorsBefore), []);
  }
}

// On a phone (touch, no keyboard) and in a small window: the game area, its status strip,
// "About" and the on-screen keys wholly in view, the area's canvas one pixel to a device pixel;
// on a phone, the game played by touch alone.
async function phone(browser, address, [width, height, ratio, touch]) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: ratio,
                                             hasTouch: touch, isMobile: touch });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(address);
  await page.locator('#vexal-about-caption').waitFor();
  const view = await page.evaluate(() => {
    const [area, keys, field] = ['vexal-game', 'vexal-keys', 'vexal-field'].map((id) => document.getElementById(id));
    const inside = (r) => r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
    const [shown, device] = [field.getBoundingClientRect(), devicePixelRatio];
    return [inside(area.getBoundingClientRect()), keys.offsetWidth > 0 && inside(keys.getBoundingClientRect()),
            field.width === Math.round(shown.width * device), field.height === Math.round(shown.height * device),
            scrollX + scrollY];
  });
  assert.deepEqual(view, [true, touch, true, true, 0], `${width} x ${height}: in view, keys, canvas, scrolled`);
  const readAloud = await page.locator('#vexal-game').ariaSnapshot();
  for (const caption of ['Win:', 'Lost:', 'Level:']) {
    assert.match(readAloud, new RegExp(`${caption}[\\s\\S]*?\\d`), `a screen reader reads no ${caption}`);
  }
  // The x of the cannon's left edge, in CSS pixels of the area, read off the canvas.
  const cannonEdge = () => page.evaluate(() => {
    const canvas = document.getElementById('vexal-field'), scale = canvas.width / 208;
    const row = canvas.getContext('2d').getImageData(0, Math.floor(335.5 * scale), canvas.width, 1).data;
    return Math.round(Math.floor(row.findIndex((value, i) => i % 4 === 1 && value > 0) / 4) / scale);
  });
  const cdp = touch && await context.newCDPSession(page);
  const finger = async (selector, ms, dy = 0) => {
    const box = await page.locator(selector).boundingBox();
    const [x, y] = [box.x + box.width / 2, box.y + Math.min(box.height / 2, 10)];
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    if (dy) await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y: y + dy }] });
    await sleep(ms);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  };
  if (touch) await finger('[aria-label="4: left"]', 50);
  await poll('a tap on 4 did not move the cannon', async () => await cannonEdge() === (touch ? 65 : 72));
  if (width === 390) {
    await finger('[aria-label="6: right"]', 1500);  // held: it repeats, to the right limit
    await poll('a held 6 did not repeat', async () => await cannonEdge() === 172);
    await finger('[aria-label="Space: fire"]', 4000);
    assert.ok(!/Win:\s*0\b/.test(await page.locator('#vexal-game').innerText()), 'no win by the fire key');
    await page.tap('#vexal-about-caption');
    const about = page.getByRole('dialog', { name: 'About vexal' });
    const { y } = await about.boundingBox();
    await finger('#vexal-about .vexal-caption', 100, 100);
    assert.equal((await about.boundingBox()).y, y + 100, 'a finger did not drag the About window');
    await page.tap('#vexal-about-close');
    await about.waitFor({ state: 'detached' });
    // Offline after one visit: the page loads from its service worker's files and plays.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await context.setOffline(true);
    for (const opened of ['', 'index.html?from=a-bookmark']) {
      await page.goto(address + opened);
      await finger('[aria-label="4: left"]', 50);
      await poll(`offline, /${opened} did not load and play`, async () => await cannonEdge() === 65);
    }
    // Stopped, a tap closes the box, and taps change nothing.
    await page.evaluate(() => { try { abort('planted'); } catch (stop) { /* the stop's own */ } });
    await page.tap('[role=alertdialog] button');
    await page.locator('[role=alertdialog]').waitFor({ state: 'detached' });
    await finger('[aria-label="6: right"]', 50);
    await sleep(300);
    assert.equal(await cannonEdge(), 65, 'a tap moved the stopped game');
  }
  assert.deepEqual(errors, []);
  await context.close();
}

// The worker keeps exactly the release that it is named after: a release whose icon changed
// under it, although the browser's HTTP cache holds the old one (its files look long unchanged).
// On a network that takes the connection and then stalls, the page still plays, from the kept
// files.
async function worker(browser, address, server, folder) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(address);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const icon = Buffer.concat([fs.readFileSync(path.join(folder, 'vexal.ico')), Buffer.from('new')]);
  fs.writeFileSync(path.join(folder, 'vexal.ico'), icon);
  const script = fs.readFileSync(path.join(folder, 'sw.js'), 'utf8');
  fs.writeFileSync(path.join(folder, 'sw.js'), script.replace(/vexal-[0-9a-f]{16}/, 'vexal-0123456789abcdef'));
  const kept = () => page.evaluate(async () => {
    const names = await caches.keys();
    const response = names.length === 1 && await (await caches.open(names[0])).match('vexal.ico');
    return [names, response ? Array.from(new Uint8Array(await response.arrayBuffer())) : []];
  });
  await page.reload();  // the browser looks for a new worker a few seconds after
  await poll('the new release was not kept whole', async () => {
    const [names, bytes] = await kept();
    return names[0] === 'vexal-0123456789abcdef' && Buffer.from(bytes).equals(icon);
  }, 300);
  server.stall();
  const started = Date.now();
  await page.reload({ timeout: 10000 });
  await page.locator('#vexal-about-caption').waitFor({ timeout: 10000 });
  console.log(`a stalled network: the page shown from the kept files in ${Date.now() - started} ms`);
  server.resume();
  await context.close();
}

function compressedSize(folder) {
  return fs.readdirSync(folder).reduce(
      (sum, name) => sum + zlib.gzipSync(fs.readFileSync(path.join(folder, name)), { level: 9 }).length, 0);
}

const [engineName, built] = process.argv.slice(2);
const engine = engines[engineName];
const size = compressedSize(built);
assert.ok(size < mostCompressedBytes, `the page's files take ${size} bytes compressed`);
console.log(`the page's files take ${size} bytes compressed`);
// A copy that the worker's test changes, whose files were last changed long ago.
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vexal-page-'));
process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
for (const name of fs.readdirSync(built)) {
  fs.copyFileSync(path.join(built, name), path.join(folder, name));
  fs.utimesSync(path.join(folder, name), new Date('2020-01-01'), new Date('2020-01-01'));
}
withPage(folder, async (browser, address, server) => {
  for (const scale of [1, 2]) {
    const tab = await engine.tab(browser, [600, 560], scale);
    await play(tab, address, scale);
    if (scale === 1) await stopped(tab, address);
    await tab.close();
    console.log(`${engineName} at ratio ${scale}: passed`);
  }
  if (engine !== engines.chromium) return;
  await worker(browser, address, server, folder);
  for (const viewport of [[390, 844, 3, true], [844, 390, 3, true], [320, 320, 2, true], [320, 320, 1, false]]) {
    await phone(browser, address, viewport);
    console.log(`${viewport.slice(0, 3).join(' x ')}: passed`);
  }
}, engine);
