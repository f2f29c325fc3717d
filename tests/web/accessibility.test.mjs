// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: the page checked by axe-core against WCAG 2.0 and 2.1 (levels A and AA) in each
// of its states, and its focus order from a fresh start.
import assert from "node:assert/strict";
import { fileURLToPath } from "node:url";
import { after, before, test } from "node:test";
import { openBrowser, openPage } from "./browser.mjs";

const axeScript = fileURLToPath(import.meta.resolve("axe-core/axe.min.js"));
const wcagTags = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"];

let browser;
const errors = [];

before(async () => {
    browser = await openBrowser({ width: 1280, height: 800 });
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});

const freshPage = () => openPage(browser.context, errors);

// What axe finds violated, and what it leaves for a person to review (an aria-label on a <p>
// with text, for one), as "rule (impact): element"; both should stay empty.
const findings = async (page) => {
    if (!(await page.evaluate(() => "axe" in window))) await page.addScriptTag({ path: axeScript });
    const found = await page.evaluate((values) =>
        window.axe.run(document, { runOnly: { type: "tag", values } }), wcagTags);
    assert.ok(found.passes.length > 0, "axe checked the page");
    return [...found.violations, ...found.incomplete].flatMap((rule) =>
        rule.nodes.map((node) => `${rule.id} (${rule.impact}): ${node.target.join(" ")}`));
};

test("axe finds nothing against WCAG 2.1 A and AA in any of the page's states", async () => {
    const page = await freshPage();
    const isOpen = (box) => page.$eval(`#${box}`, (dialog) => dialog.open);
    const dialog = (button, box) => ({
        enter: async () => {
            await page.click(`#${button}`);
            assert.ok(await isOpen(box), `#${button} opens #${box}`);
        },
        leave: async () => {
            await page.keyboard.press("Escape");
            assert.ok(!(await isOpen(box)), `Escape closes #${box}`);
        },
    });
    // Answers the practice task shown anyhow and goes on, until one with a field (typed) or
    // with choices, or the score (finished).
    const practiceUntil = async (typed, finished = false) => {
        const at = async () => (finished ? (await page.textContent("#practiceProgress")) ===
            "Runde beendet" : (await page.isVisible("#answer")) === typed);
        while (!(await at())) {
            await (await page.isVisible("#answer") ? page.fill("#answer", "1")
                : page.keyboard.press("a"));
            await page.keyboard.press("Enter");
            await page.keyboard.press("Enter");
        }
    };
    // Each state starts from the one before it.
    const states = [
        ["at start", {}],
        ["after OK for 64", { enter: async () => {
            await page.getByLabel("Codeanzahl - gerade Zahl von 4 bis 64").fill("64");
            await page.keyboard.press("Enter");
        } }],
        ["with the read head open", { enter: async () => {
            await page.click("#headButton");
            assert.ok(await page.isVisible("#headPanel"));
        } }],
        ["with the help open", dialog("helpButton", "helpBox")],
        ["with the about box open", dialog("aboutButton", "aboutBox")],
        ["with the save box open", dialog("saveButton", "saveBox")],
        // For 10 words, whose Drop step marks a block: marked rows and prefix bits in colour.
        ["with the construction open at a Mirror step", { enter: async () => {
            await page.getByLabel("Codeanzahl - gerade Zahl von 4 bis 64").fill("10");
            await page.keyboard.press("Enter");
            await page.keyboard.press("Control+K");
            await page.keyboard.press("ArrowRight");
            assert.equal(await page.textContent("#stepCounter"), "Schritt 2 von 6");
            assert.equal(await page.locator("#stepTable .prefixBit").count(), 4);
        } }],
        ["with the construction at the Drop step", { enter: async () => {
            await page.keyboard.press("End");
            await page.keyboard.press("ArrowLeft");
            assert.equal(await page.textContent("#stepCounter"), "Schritt 5 von 6");
            assert.equal(await page.locator("#stepTable .stepMarked").count(), 6);
        } }],
        ["with practice open at a task with choices", { enter: async () => {
            await page.keyboard.press("Control+U");
            await practiceUntil(false);
        } }],
        ["with practice at a task to type", { enter: () => practiceUntil(true) }],
        ["with practice after checking", { enter: async () => {
            await page.keyboard.type("9");
            await page.keyboard.press("Enter");
            assert.match(await page.textContent("#practiceFeedback"), /^Leider falsch/);
        }, leave: () => page.keyboard.press("Enter") }],
        ["with practice at the score", { enter: () => practiceUntil(false, true) }],
        ["with the worksheet dialog open", dialog("sheetButton", "sheetBox")],
    ];
    for (const [name, { enter, leave }] of states) {
        await enter?.();
        assert.deepEqual(await findings(page), [], name);
        await leave?.();
    }
    await page.close();
});

test("the count field has the focus at start, and Tab walks the window's order, then the toolbar",
    async () => {
    const page = await freshPage();
    const stops = [
        ["count", "spinbutton", "Codeanzahl - gerade Zahl von 4 bis 64"],
        ["listing", "listbox", "Gray-Code"],
        ["ok", "button", "OK"],
        ["tableBox", "group", "Konstruktionstabelle"],
        ["disk", "img", "Codescheibe"],
        ["aboutButton", "button", "Autor"],
        ["helpButton", "button", "Erläuterung"],
        ["saveButton", "button", "Scheibe speichern"],
        ["printButton", "button", "Drucken"],
        ["copyButton", "button", "Tabelle kopieren"],
        ["headButton", "button", "Lesekopf"],
        ["constructionButton", "button", "Konstruktion"],
        ["practiceButton", "button", "Üben"],
        ["sheetButton", "button", "Arbeitsblatt"],
    ];
    const focused = [];
    for (let i = 0; i < stops.length; ++i) {
        if (i > 0) await page.keyboard.press("Tab");
        focused.push(await page.evaluate(() =>
            document.activeElement.id || document.activeElement.tagName));
    }
    assert.deepEqual(focused, stops.map(([id]) => id));
    // Each stop is found by its role and German name.
    for (const [id, role, name] of stops) {
        assert.equal(await page.getByRole(role, { name, exact: true }).getAttribute("id"), id);
    }
    // Last in Tab order, the toolbar still stands on top.
    const [toolbar, count] = await Promise.all(["#aboutButton", "#count"]
        .map((selector) => page.locator(selector).boundingBox()));
    assert.ok(toolbar.y + toolbar.height < count.y, "toolbar above the count field");
    await page.close();
});
