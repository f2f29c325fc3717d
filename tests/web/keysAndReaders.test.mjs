// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: what a keyboard or screen-reader user meets: Home and End, whole-sector turns,
// no shortcuts behind a dialog, and what the accessibility tree is told.
import assert from "node:assert/strict";
import { readFileSync, readdirSync } from "node:fs";
import { after, before, test } from "node:test";
import { openBrowser, openPage, okWith } from "./browser.mjs";
import { keptWords } from "./grayCode.mjs";

let browser;
let page;
const errors = [];

before(async () => {
    browser = await openBrowser();
    page = await openPage(browser.context, errors);
    await page.clock.install();  // a turn runs on the test's clock
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});

const selectedWord = () => page.textContent("#listing li[aria-selected=true]");

test("Home and End select the first and the last word in the listing and the table", async () => {
    await okWith(page, 12);
    const words = keptWords(12);
    for (const box of ["#listing", "#tableBox"]) {
        await page.focus(box);
        for (const [key, word] of [["End", 11], ["Home", 0], ["ArrowUp", 11], ["Home", 0]]) {
            await page.keyboard.press(key);
            assert.equal(await selectedWord(), words[word], `${box} ${key}`);
            assert.equal(await page.getAttribute("#table tbody tr.selected", "aria-selected"),
                "true");
        }
    }
    assert.equal(await page.locator("#table [aria-selected=true]").count(), 1);
});

test("Page Up and Down, or Shift with the arrows, turn the head by a whole sector", async () => {
    await okWith(page, 12);
    if (await page.isHidden("#headPanel")) await page.keyboard.press("Control+L");
    const angle = async () => page.textContent("#headAngle");
    const start = await angle();
    assert.equal(start, "Winkel: 0,00°");
    for (const [key, shown] of [["PageDown", "30,00°"], ["Shift+ArrowRight", "60,00°"],
        ["PageUp", "30,00°"], ["Shift+ArrowLeft", "0,00°"], ["PageUp", "330,00°"],
        ["ArrowRight", "330,25°"]]) {
        await page.keyboard.press(key);
        assert.equal(await angle(), `Winkel: ${shown}`, key);
    }
    await page.keyboard.press("Control+L");
});

test("shortcuts do nothing to the page behind an open dialog", async () => {
    await okWith(page, 10);
    await page.keyboard.press("F1");
    assert.equal(await page.isVisible("#helpBox"), true);
    for (const key of ["Control+L", "Control+K", "Control+U", "Control+S", "Control+I"]) {
        await page.keyboard.press(key);
        assert.equal(await page.locator("dialog[open]").count(), 1, key);
        assert.equal(await page.getAttribute("#headButton", "aria-pressed"), "false", key);
        assert.equal(await page.getAttribute("#constructionButton", "aria-pressed"), "false", key);
        assert.equal(await page.getAttribute("#practiceButton", "aria-pressed"), "false", key);
    }
    await page.keyboard.press("Escape");
    await page.keyboard.press("Control+L");  // with the dialog closed the shortcut works again
    assert.equal(await page.getAttribute("#headButton", "aria-pressed"), "true");
    await page.keyboard.press("Control+L");
});

test("a turn rewrites the live regions only when what they say changes", async () => {
    await okWith(page, 16);
    await page.keyboard.press("Control+L");
    await page.getByLabel("Versatz", { exact: true }).fill("560");
    assert.equal(await page.getAttribute("#offset", "aria-valuetext"), "5,60°");
    assert.equal(await page.textContent("#offsetValue"), "5,60°");
    await page.evaluate(() => {
        window.rewrites = new Map();
        for (const live of document.querySelectorAll("#headPanel [aria-live], #headPanel [role=status]")) {
            new MutationObserver((changes) => window.rewrites.set(live.id,
                (window.rewrites.get(live.id) ?? 0) + changes.length))
                .observe(live, { childList: true, characterData: true, subtree: true });
        }
    });
    await page.click("#turnButton");
    await page.clock.runFor(10000);
    assert.equal(await page.textContent("#turnButton"), "Drehen");
    const rewrites = await page.evaluate(() => [...window.rewrites.entries()]);
    assert.ok(rewrites.length > 0);
    // Sixteen sectors, each read rightly, as a neighbour, or wrongly: a few changes each.
    for (const [id, count] of rewrites) assert.ok(count <= 64, `${id}: ${count}`);
    await page.keyboard.press("Control+L");
});

test("a finger drags the head a sixth of a turn, as far as it moves", async () => {
    await okWith(page, 12);
    await page.keyboard.press("Control+L");
    const box = await page.locator("#disk").boundingBox();
    const cx = box.x + box.width / 2;
    const cy = box.y + box.height / 2;
    const at = (degrees) => {
        const radians = degrees * Math.PI / 180;
        return { x: cx + box.width * 0.3 * Math.cos(radians),
            y: cy - box.height * 0.3 * Math.sin(radians) };
    };
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Emulation.setTouchEmulationEnabled", { enabled: true, maxTouchPoints: 1 });
    await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [at(10)] });
    for (let degrees = 12; degrees <= 70; degrees += 2) {
        await cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: [at(degrees)] });
    }
    await cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    await cdp.send("Emulation.setTouchEmulationEnabled", { enabled: false });
    const angle = Number((await page.textContent("#headAngle")).match(/[\d,]+/)[0].replace(",", "."));
    assert.ok(Math.abs(angle - 70) < 1, `${angle}°`);
    await page.keyboard.press("Control+L");
});

test("the help describes the page, not the window, and says du", async () => {
    await page.keyboard.press("F1");
    const help = await page.locator("#helpBox .helpPages").innerText();
    await page.keyboard.press("Escape");
    for (const windowOnly of ["Strg+Q", "F11", "Mausrad", "Offene Tür", "Diskette", "Passt das Fenster"]) {
        assert.ok(!help.includes(windowOnly), windowOnly);
    }
    for (const pageOnly of ["Die Knöpfe oben", "Bild\u00a0↑ und Bild\u00a0↓", "Pos1 und Ende",
        "Scheibe speichern"]) {
        assert.ok(help.includes(pageOnly), pageOnly);
    }
    // Both editions' pages address the student as du.
    const helpDir = new URL("../../app/help/", import.meta.url);
    for (const name of readdirSync(helpDir).filter((file) => file.endsWith(".html"))) {
        const formal = readFileSync(new URL(name, helpDir), "utf8").match(/\b(Sie|Ihnen|Ihre?[mnrs]?)\b/);
        assert.equal(formal, null, `${name}: ${formal?.[0]}`);
    }
    assert.match(help, /Klicke auf/);
});
