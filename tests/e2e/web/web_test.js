// The web page in a real browser: Chromium, headless, at device pixel ratios 1 and 2, with the
// page served over HTTP on 127.0.0.1, driven with real key presses and clicks. The checks are
// the desktop programs' own, on the pictures they read through the same picture_check.py.
// Usage: node web_test.js PAGE_FOLDER
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { withPage } = require('./browser');

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

async function play(browser, address, scale) {
  const page = await browser.newPage({ deviceScaleFactor: scale, viewport: { width: 600, height: 560 } });
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(address);
  const area = page.locator('#vexal-game');
  const game = async () => page.screenshot({ clip: await area.boundingBox() });
  const lost = async () => Number((await area.innerText()).match(/Lost:\s*(\d+)/)[1]);
  const about = page.getByRole('dialog', { name: 'About vexal' });

  assert.equal(await page.title(), 'Game');
  const box = await area.boundingBox();
  assert.deepEqual([box.width, box.height], [208, 400], 'the game area is not 208 x 400');
  assert.deepEqual([box.x, box.y], [196, 80], 'the game area is not centred');
  await poll(`the cannon at ratio ${scale} is not the picture in whole blocks`,
             async () => check(await game(), 'in-blocks', golden) !== null);
  for (const [x, y, colour] of [[5, 5, 'black'], [104, 336, 'white'], [150, 337, 'black'], [104, 385, 'yellow']]) {
    assert.equal(check(await game(), 'colour', `${x * scale}`, `${y * scale}`), colour, `pixel ${x} ${y}`);
  }

  for (let i = 0; i < 12; ++i) await page.keyboard.press('4', { delay: 10 });
  assert.equal(check(await game(), 'cannon-edge'), '5', 'twelve 4s put the cannon elsewhere');
  const snapshot = await area.ariaSnapshot();
  for (const caption of ['Win:', 'Lost:', 'Level:']) {
    assert.match(snapshot, new RegExp(`${caption}[\\s\\S]*?\\d`), `a screen reader reads no ${caption}`);
  }

  const started = Date.now();
  const lostBefore = await lost();
  await sleep(3000);
  const rate = (await lost() - lostBefore) / ((Date.now() - started) / 1000);
  assert.ok(rate >= 6 && rate <= 15, `${rate} losses a second`);

  // About stops the field; a second click leaves one About window; Esc lets the game run on.
  const paused = async () => {
    const before = [await lost(), await game()];
    await sleep(500);
    return before[0] === await lost() && before[1].equals(await game());
  };
  await page.click('#vexal-about-caption');
  await about.waitFor();
  assert.ok(await paused(), 'the field moves behind the About window');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vexal-about-ok');
  const client = await page.locator('#vexal-about .vexal-client').boundingBox();
  assert.deepEqual([client.width, client.height], [351, 150], 'the About window is not 351 x 150');
  await page.click('#vexal-about-caption');
  assert.equal(await page.getByRole('dialog').count(), 1, 'a second click opened another');
  await page.keyboard.press('Escape');
  await about.waitFor({ state: 'detached' });
  assert.ok(!(await paused()), 'Esc left the game paused');

  // The close button leaves the game paused.
  await page.click('#vexal-about-caption');
  await page.click('#vexal-about-close');
  await about.waitFor({ state: 'detached' });
  assert.ok(await paused(), 'the close button let the game run on');

  // Alt+S gives System Info the focus and shows the box; the focus comes back to System Info;
  // Enter presses it again.
  await page.click('#vexal-about-caption');
  const message = page.getByRole('alertdialog', { name: 'vexal' });
  for (const key of ['Alt+s', 'Enter']) {
    await page.keyboard.press(key);
    await message.waitFor();
    assert.match(await message.innerText(), /System Information Is Unavailable At This Time/);
    await page.keyboard.press('Enter');
    await message.waitFor({ state: 'detached' });
  }
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vexal-about-sysinfo');
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vexal-about-ok');

  // A press on the game area brings it in front, and its keys are the game's again: four 6s
  // take the cannon from 80 twips to 480, pixel 32.
  await page.mouse.click(box.x + 5, box.y + 5);
  const aboutBox = await about.boundingBox();
  const inFront = await page.evaluate(([x, y]) => document.elementFromPoint(x, y).closest('#vexal-game') !== null,
                                      [box.x + 104, aboutBox.y + 40]);
  assert.ok(inFront, 'the game area stays behind the About window');
  for (let i = 0; i < 4; ++i) await page.keyboard.press('6', { delay: 10 });
  await poll('the game took no keys in front of the About window',
             async () => check(await game(), 'cannon-edge') === '32');
  await page.keyboard.press('Enter');
  assert.equal(await about.count(), 1, 'Enter reached the About window from behind');
  // Dragging the caption moves the window and brings it in front; OK resumes the game.
  await page.mouse.move(aboutBox.x + 60, aboutBox.y + 10);
  await page.mouse.down();
  await page.mouse.move(aboutBox.x + 60, aboutBox.y + 210, { steps: 4 });
  await page.mouse.up();
  assert.equal((await about.boundingBox()).y, aboutBox.y + 200, 'the caption does not move the window');
  await page.keyboard.press('Enter');
  await about.waitFor({ state: 'detached' });
  assert.ok(!(await paused()), 'OK left the game paused');

  // Nothing kept but the page's own files for its service worker, nothing fetched but those.
  const kept = await page.evaluate(async () => [document.cookie, localStorage.length,
    sessionStorage.length, (await indexedDB.databases()).length,
    (await caches.keys()).filter((name) => !/^vexal-[0-9a-f]{16}$/.test(name)).length]);
  assert.deepEqual(kept, ['', 0, 0, 0, 0], 'the page kept something');
  const fetched = requests.map((url) => url.replace(address, '/').replace(/^\/\//, '/'));
  assert.deepEqual(fetched.filter((file) => !pageFiles.includes(file)), [], 'the page fetched other files');
  assert.deepEqual(errors, []);
  await page.close();
}

// On a phone (touch, no keyboard) and in a small window: the game area, its status strip,
// "About" and the on-screen keys wholly in view, the area's canvas one pixel to a device pixel;
// on a phone, the game played by touch alone.
async function phone(browser, address, [width, height, ratio, touch]) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: ratio,
                                             hasTouch: touch, isMobile: touch });
  const page = await context.newPage();
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
    await page.reload();
    await finger('[aria-label="4: left"]', 50);
    await poll('offline, the page did not load and play', async () => await cannonEdge() === 65);
  }
  await context.close();
}

function compressedSize(folder) {
  return fs.readdirSync(folder).reduce(
      (sum, name) => sum + zlib.gzipSync(fs.readFileSync(path.join(folder, name)), { level: 9 }).length, 0);
}

const folder = process.argv[2];
const size = compressedSize(folder);
assert.ok(size < mostCompressedBytes, `the page's files take ${size} bytes compressed`);
console.log(`the page's files take ${size} bytes compressed`);
withPage(folder, async (browser, address) => {
  for (const scale of [1, 2]) {
    await play(browser, address, scale);
    console.log(`ratio ${scale}: passed`);
  }
  for (const viewport of [[390, 844, 3, true], [844, 390, 3, true], [320, 320, 2, true], [320, 320, 1, false]]) {
    await phone(browser, address, viewport);
    console.log(`${viewport.slice(0, 3).join(' x ')}: passed`);
  }
});
