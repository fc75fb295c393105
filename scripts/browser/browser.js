// What the page's tests and its benchmark share: the page served on 127.0.0.1 by the README's
// own server script, and the browsers that open it, each the machine's own: Chromium, headless,
// through playwright-core; Firefox ESR, headless, through puppeteer-core over WebDriver BiDi;
// and WebKitGTK's MiniBrowser through WebKitWebDriver (the W3C WebDriver protocol), in the
// X server that DISPLAY names. A tab of each takes the same few actions.
const { spawn } = require('child_process');
const net = require('net');
const path = require('path');
const { chromium } = require('playwright-core');
const puppeteer = require('puppeteer-core');

const top = path.resolve(__dirname, '../..');
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// The servers that this process starts end with it, however it ends.
const started = [];
process.on('exit', () => started.forEach((child) => child.kill('SIGTERM')));
function start(program, args, options) {
  const child = spawn(program, args, options);
  started.push(child);
  return child;
}

// Starts the server on a free port; resolves to its address and a way to stop it.
function serve(folder) {
  const server = start(path.join(top, 'scripts/serve-web.sh'), [folder], {
    env: { ...process.env, PORT: '0' },
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  return new Promise((resolve, reject) => {
    server.stdout.on('data', (data) => {
      const address = /http:\/\/127\.0\.0\.1:\d+\//.exec(data.toString());
      if (address) {
        resolve({ address: address[0], stop: () => server.kill('SIGTERM'),
                  // Stopped, it still takes connections (the system does) and answers none.
                  stall: () => server.kill('SIGSTOP'), resume: () => server.kill('SIGCONT') });
      }
    });
    server.on('exit', (code) => reject(new Error(`the page's server ended with status ${code}`)));
  });
}

// A tab whose page the test reads by script and drives by keys and the pointer, the keys named
// as in the DOM (Enter, Escape, Tab, Alt) and the points in CSS pixels of the viewport.
class Tab {
  errors = [];  // the page's uncaught errors, where the engine reports them
  box(selector) {
    return this.run((query) => document.querySelector(query).getBoundingClientRect().toJSON(), selector);
  }
  async click(selector) {
    const { x, y, width, height } = await this.box(selector);
    await this.clickAt(x + width / 2, y + height / 2);
  }
}

// Playwright's and Puppeteer's pages take these actions alike.
class DevToolsTab extends Tab {
  constructor(page) {
    super();
    this.page = page;
    page.on('pageerror', (error) => this.errors.push(error.message));
  }
  open(url) { return this.page.goto(url); }
  run(script, argument) { return this.page.evaluate(script, argument); }
  async press(key, modifier) {
    if (modifier) await this.page.keyboard.down(modifier);
    await this.page.keyboard.press(key, { delay: 10 });
    if (modifier) await this.page.keyboard.up(modifier);
  }
  clickAt(x, y) { return this.page.mouse.click(x, y); }
  async drag([x, y], [toX, toY]) {
    await this.page.mouse.move(x, y);
    await this.page.mouse.down();
    await this.page.mouse.move(toX, toY, { steps: 4 });
    await this.page.mouse.up();
  }
  async picture(selector) { return Buffer.from(await (await this.page.$(selector)).screenshot()); }
  close() { return this.page.close(); }
}

// A session of WebKitWebDriver, the W3C WebDriver protocol over HTTP: one MiniBrowser window.
// The driver is the tab's own, as WebKitGTK takes the device pixel ratio from its environment.
class WebDriverTab extends Tab {
  static keys = { Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Alt: '\uE00A' };
  static async open([width, height], ratio) {
    const port = await new Promise((resolve) => {  // a free one
      const probe = net.createServer().listen(0, '127.0.0.1', () => {
        const { port: free } = probe.address();
        probe.close(() => resolve(free));
      });
    });
    // Painted without GL: on Mesa's software GL, WebKitGTK 2.50's web process corrupts its heap
    // about one run in twelve ("WebProcess CRASHED", which its stderr then says).
    const env = { ...process.env, WEBKIT_SKIA_ENABLE_CPU_RENDERING: '1', GDK_SCALE: `${ratio}` };
    const driver = start('/usr/bin/WebKitWebDriver', [`--port=${port}`],
                         { stdio: ['ignore', 'ignore', 'inherit'], env });
    const tab = new WebDriverTab(`http://127.0.0.1:${port}`, driver);
    for (let tries = 0; !(await fetch(`${tab.server}/status`).then(() => true, () => false)); ++tries) {
      if (tries === 100) throw new Error('WebKitWebDriver did not start');
      await sleep(50);
    }
    const { sessionId } = await tab.call('POST', '/session', { capabilities: { alwaysMatch: {
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': {
        binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
        args: ['--automation', '--enable-2d-canvas-acceleration=false'],
      },
    } } });
    tab.server += `/session/${sessionId}`;
    await tab.call('POST', '/window/rect', { width, height });
    return tab;
  }
  constructor(server, driver) {
    super();
    [this.server, this.driver] = [server, driver];
  }
  async call(method, where, body) {
    const response = await fetch(this.server + where, {
      method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (value?.error) throw new Error(`WebDriver ${where}: ${value.error}: ${value.message}`);
    return value;
  }
  open(url) { return this.call('POST', '/url', { url }); }
  run(script, argument = null) {
    return this.call('POST', '/execute/sync', { script: `return (${script})(arguments[0])`, args: [argument] });
  }
  press(key, modifier) {
    const keys = [modifier, key].filter(Boolean).map((name) => WebDriverTab.keys[name] || name);
    const actions = [...keys.map((value) => ({ type: 'keyDown', value })),
      ...keys.reverse().map((value) => ({ type: 'keyUp', value }))];
    return this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keys', actions }] });
  }
  // The button pressed at the first point and released at the second, each reached in one move:
  // a busy WebKit lets go of the button wherever the steps of a longer move had reached.
  drag([x, y], [toX, toY]) {
    const actions = [[x, y, 'pointerDown'], [toX, toY, 'pointerUp']].flatMap(([atX, atY, type]) => [
      { type: 'pointerMove', x: Math.round(atX), y: Math.round(atY) }, { type: 'pause', duration: 50 },
      { type, button: 0 }]);
    return this.call('POST', '/actions', { actions: [{ type: 'pointer', id: 'mouse', actions }] });
  }
  clickAt(x, y) { return this.drag([x, y], [x, y]); }
  async picture(selector) {
    const found = await this.call('POST', '/element', { using: 'css selector', value: selector });
    return Buffer.from(await this.call('GET', `/element/${Object.values(found)[0]}/screenshot`), 'base64');
  }
  async close() {
    await this.call('DELETE', '');
    this.driver.kill('SIGTERM');
  }
}

// Each engine: its browser started and ended, and tabs opened with a viewport and a device
// pixel ratio.
const engines = {
  chromium: {
    start: () => chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] }),
    tab: async (browser, [width, height], deviceScaleFactor) =>
      new DevToolsTab(await browser.newPage({ deviceScaleFactor, viewport: { width, height } })),
  },
  firefox: {
    start: () => puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true }),
    tab: async (browser, [width, height], deviceScaleFactor) => {
      const page = await browser.newPage();
      await page.setViewport({ width, height, deviceScaleFactor });
      return new DevToolsTab(page);
    },
  },
  webkit: { start: () => ({ close() {} }), tab: (none, size, ratio) => WebDriverTab.open(size, ratio) },
};

// Runs body(browser, address, server) with the page of the folder served and the engine's
// browser started (Chromium's unless named), and ends both however it ends; a failure ends the
// process with status 1.
function withPage(folder, body, engine = engines.chromium) {
  (async () => {
    const server = await serve(folder);
    const browser = await engine.start();
    try {
      await body(browser, server.address, server);
    } finally {
      await browser.close();
      server.resume();
      server.stop();
    }
  })().catch((error) => {
    console.error(`FAIL: ${error.stack}`);
    process.exit(1);
  });
}

module.exports = { withPage, engines, top };
