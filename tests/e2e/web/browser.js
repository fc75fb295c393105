// What the page's tests and its benchmark share: the page served on 127.0.0.1 by the README's
// own server script, and the machine's Chromium, headless, driven by playwright-core.
const { spawn } = require('child_process');
const path = require('path');
const { chromium } = require('playwright-core');

const top = path.resolve(__dirname, '../../..');

// Starts the server on a free port; resolves to its address and a way to stop it.
function serve(folder) {
  const server = spawn(path.join(top, 'scripts/serve-web.sh'), [folder], {
    env: { ...process.env, PORT: '0' },
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  return new Promise((resolve, reject) => {
    server.stdout.on('data', (data) => {
      const address = /http:\/\/127\.0\.0\.1:\d+\//.exec(data.toString());
      if (address) resolve({ address: address[0], stop: () => server.kill('SIGTERM') });
    });
    server.on('exit', (code) => reject(new Error(`the page's server ended with status ${code}`)));
  });
}

function launch() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
}

// Runs body(browser, address) with the page of the folder served and the browser started, and
// ends both however it ends; a failure ends the process with status 1.
function withPage(folder, body) {
  (async () => {
    const server = await serve(folder);
    const browser = await launch();
    try {
      await body(browser, server.address);
    } finally {
      await browser.close();
      server.stop();
    }
  })().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
  });
}

module.exports = { withPage, top };
