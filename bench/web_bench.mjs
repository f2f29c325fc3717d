// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's speed in Chromium, against its goals: OK for n = 64 (engine and
// drawing), the time from opening zyklora.html to the first disk, and the file's size.
// Usage: node bench/web_bench.mjs <build-web folder>
import { statSync } from "node:fs";
import { join } from "node:path";

process.env.ZYKLORA_WEB_DIR = process.argv[2] ?? "build-web";
const { openBrowser, pageUrl, webDir } = await import("../tests/web/browser.mjs");

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const report = (what, value, unit, goal) =>
    console.log(`${what.padEnd(34)} ${value.toFixed(2).padStart(9)} ${unit.padEnd(3)} ` +
        `goal <= ${goal} ${unit}  ${value <= goal ? "ok" : "MISSED"}`);

const browser = await openBrowser();
const page = await browser.context.newPage();

const starts = [];
for (let i = 0; i < 15; ++i) {
    await page.goto(pageUrl);
    await page.waitForFunction(() => performance.getEntriesByName("zyklora-first-disk").length);
    starts.push(await page.evaluate(() =>
        performance.getEntriesByName("zyklora-first-disk")[0].startTime));
}

const clicks = await page.evaluate(() => {
    const times = [];
    const count = document.getElementById("count");
    const form = document.getElementById("countForm");
    for (let i = 0; i < 200; ++i) {
        count.value = "64";
        const start = performance.now();
        form.requestSubmit();
        times.push(performance.now() - start);
    }
    return times;
});
await browser.close();

report("OK for n = 64 (median of 200)", median(clicks), "ms", 2);
report("opening to first disk (median of 15)", median(starts), "ms", 300);
report("zyklora.html", statSync(join(webDir, "zyklora.html")).size / 1024, "KiB", 250);
