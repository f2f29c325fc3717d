// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: the construction panel ("Konstruktion") walked by keyboard, buttons and playing,
// against the code computed here; and the read head's decoding line.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { openBrowser, openPage, okWith } from "./browser.mjs";
import { cutOf, keptWords, reflected } from "./grayCode.mjs";

let browser;
let page;
const errors = [];

before(async () => {
    browser = await openBrowser({ scale: 1.5 });
    page = await openPage(browser.context, errors);
    await page.clock.install();  // playing runs on the test's clock
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});


const range = (from, to) => [...Array(to - from + 1).keys()].map((i) => from + i);

// The steps of n words: the words after each, the numbers of the rows it marks, whether it puts
// a prefix bit in front, and the rows' numbers as the table shows them (the closed cycle's are
// those of the full code).
function stepsOf(n) {
    const { bits, full, firstDropped, lastDropped } = cutOf(n);
    const steps = [{ words: ["0", "1"], marked: [], prefix: false }];
    for (let b = 2; b <= bits; ++b) {
        const size = 2 ** b;
        steps.push({ words: range(0, size - 1).map((i) => reflected(i, b)),
            marked: range(size / 2, size - 1), prefix: true });
    }
    steps.push({ words: range(0, full - 1).map((i) => reflected(i, bits)),
        marked: range(firstDropped, lastDropped), prefix: false });
    for (const step of steps) step.numbers = range(0, step.words.length - 1);
    steps.push({ words: keptWords(n), marked: [], prefix: false,
        numbers: range(0, full - 1).filter((i) => i < firstDropped || i > lastDropped) });
    return steps;
}

// What the panel shows: counter, announcement, rows with their colours, the disk's red pixels.
const shown = () => page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    const disk = $("stepDisk");
    const { data } = disk.getContext("2d").getImageData(0, 0, disk.width, disk.height);
    let red = 0;
    for (let i = 0; i < data.length; i += 4) {
        if (data[i] > 180 && data[i + 1] < 60 && data[i + 2] < 60) ++red;
    }
    return {
        counter: $("stepCounter").textContent,
        text: $("stepText").textContent,
        announcement: $("stepAnnouncement").textContent,
        play: $("playButton").textContent,
        rows: [...$("stepTable").tBodies[0].rows].map((row) => ({
            number: Number(row.cells[0].textContent),
            word: row.cells[1].textContent,
            background: getComputedStyle(row.cells[1]).backgroundColor,
            prefix: [...row.querySelectorAll(".prefixBit")].map((span) =>
                `${span.textContent} ${getComputedStyle(span).color}`),
        })),
        red,
        focusInPanel: $("constructionPanel").contains(document.activeElement),
        // Whether the first marked row lies wholly in the list's visible box, and how far the
        // panel itself is scrolled.
        firstMarkedInView: (() => {
            const row = document.querySelector("#stepTable .stepMarked");
            if (row === null) return null;
            const [inner, outer] = [row, $("stepTableBox")].map((e) => e.getBoundingClientRect());
            return inner.top >= outer.top && inner.bottom <= outer.bottom;
        })(),
        panelScrolled: $("constructionPanel").scrollTop,
    };
});

const markedRow = "rgb(255, 226, 160)";
const prefixBit = "rgb(0, 110, 0)";

// The panel at step (0-based) of n's steps, as computed here.
const expectStep = async (n, step, why) => {
    const steps = stepsOf(n);
    const { words, marked, prefix, numbers } = steps[step];
    const panel = await shown();
    const counter = `Schritt ${step + 1} von ${steps.length}`;
    assert.equal(panel.counter, counter, why);
    assert.equal(panel.announcement, `${counter}: ${panel.text}`, why);
    assert.deepEqual(panel.rows.map((row) => row.word), words, why);
    assert.deepEqual(panel.rows.map((row) => row.number), numbers, why);
    assert.deepEqual(panel.rows.filter((row) => row.background === markedRow)
        .map((row) => row.number), marked, why);
    assert.deepEqual(panel.rows.map((row) => row.prefix),
        words.map((word) => (prefix ? [`${word[0]} ${prefixBit}`] : [])), why);
    assert.equal(panel.red > 0, marked.length > 0, `${why}: outline of the marked block`);
    assert.ok(panel.focusInPanel, `${why}: focus in the panel`);
    assert.equal(panel.firstMarkedInView, marked.length > 0 ? true : null, `${why}: in view`);
    assert.equal(panel.panelScrolled, 0, `${why}: the buttons stay in view`);
    return panel;
};

test("Strg+K opens the construction of 10, and its keys walk all six steps", async () => {
    await okWith(page, 10);
    await page.keyboard.press("Control+K");
    assert.equal(await page.getAttribute("#constructionButton", "aria-pressed"), "true");
    assert.ok(await page.getByRole("region", { name: "Konstruktion" }).isVisible());
    const rowCounts = [];
    for (let step = 0; step < 6; ++step) {
        if (step > 0) await page.keyboard.press("ArrowRight");
        rowCounts.push((await expectStep(10, step, `Right to step ${step + 1}`)).rows.length);
    }
    assert.deepEqual(rowCounts, [2, 4, 8, 16, 16, 10]);
    // Each key from the step before it: [key, step shown after it].
    const keys = [["ArrowRight", 5], ["Home", 0], ["ArrowLeft", 0], ["End", 5], ["ArrowLeft", 4]];
    for (const [key, step] of keys) {
        await page.keyboard.press(key);
        await expectStep(10, step, key);
    }
    assert.match((await shown()).text, /^Entfernen: .* 6 mit \* markierten Wörter mit den Nummern 9 bis 14 /);
});

test("Space plays one step each 1.5 s, and Anhalten stops", async () => {
    await okWith(page, 10);
    await page.focus("#constructionPanel");
    await page.keyboard.press("End");
    // [action, step shown, play button]
    const script = [
        [() => page.keyboard.press("Space"), 0, "Anhalten"],  // from the last: from Start
        [() => page.clock.runFor(1400), 0, "Anhalten"],
        [() => page.clock.runFor(200), 1, "Anhalten"],
        [() => page.clock.runFor(3 * 1500), 4, "Anhalten"],
        [() => page.clock.runFor(1500), 5, "Abspielen"],  // stops on the last
        [() => page.keyboard.press("Home"), 0, "Abspielen"],
        [() => page.getByRole("button", { name: "Abspielen" }).click(), 0, "Anhalten"],
        [() => page.getByRole("button", { name: "Anhalten" }).click(), 0, "Abspielen"],
        [() => page.clock.runFor(3000), 0, "Abspielen"],
        [() => page.getByRole("button", { name: "Weiter" }).click(), 1, "Abspielen"],
        // Space on a focused button plays instead of pressing it.
        [() => page.keyboard.press("Space"), 1, "Anhalten"],
        [() => page.keyboard.press("ArrowRight"), 2, "Abspielen"],  // a step by hand stops
        [() => page.getByRole("button", { name: "Zurück" }).click(), 1, "Abspielen"],
    ];
    for (const [i, [action, step, play]] of script.entries()) {
        await action();
        const panel = await expectStep(10, step, `action ${i}`);
        assert.equal(panel.play, play, `action ${i}`);
    }
});

test("OK restarts the construction at Start with the new count", async () => {
    await okWith(page, 10);
    await page.focus("#constructionPanel");
    await page.keyboard.press("End");
    await page.keyboard.press("Space");
    await page.clock.runFor(1500);
    await okWith(page, 12);
    await page.focus("#constructionPanel");
    await expectStep(12, 0, "after OK for 12");
    assert.equal((await shown()).play, "Abspielen");
    await page.clock.runFor(3000);
    await expectStep(12, 0, "no longer playing");
    await page.keyboard.press("End");
    await page.keyboard.press("ArrowLeft");
    await expectStep(12, 4, "the Drop step of 12");
});

test("the read head's panel and the construction's close each other", async () => {
    await okWith(page, 10);
    const panels = () => page.evaluate(() => ["headPanel", "constructionPanel", "headButton",
        "constructionButton"].map((id) => {
        const element = document.getElementById(id);
        return element.getAttribute("aria-pressed") ?? String(!element.hidden);
    }).join(" "));
    if ((await panels()) !== "false true false true") await page.keyboard.press("Control+K");
    await page.focus("#constructionPanel");
    await page.keyboard.press("Space");  // playing, to be stopped by the read head
    // [shortcut, head panel, construction panel, head button, construction button]
    const script = [
        ["Control+L", "true false true false"],
        ["Control+K", "false true false true"],
        ["Control+K", "false false false false"],
        ["Control+L", "true false true false"],
        ["Control+L", "false false false false"],
        ["Control+K", "false true false true"],
    ];
    for (const [shortcut, expected] of script) {
        await page.keyboard.press(shortcut);
        assert.equal(await panels(), expected, shortcut);
    }
    await page.clock.runFor(4500);
    await expectStep(10, 0, "the read head stopped the playing");
});

test("the read head's panel decodes the word it reads back to its place", async () => {
    await okWith(page, 10);
    if (await page.isHidden("#headPanel")) await page.keyboard.press("Control+L");
    const box = await page.locator("#disk").boundingBox();
    // [sector, decoding]: below the dropped block, and above it with its length taken away.
    const sectors = [
        [2, "0011 → Dualzahl 0010 → Nummer 2 im vollständigen Code → 2 + 1 = Position 3 von 10"],
        [9, "1000 → Dualzahl 1111 → Nummer 15 im vollständigen Code → 15 − 6 entfernte Wörter " +
            "+ 1 = Position 10 von 10"],
    ];
    for (const [sector, decoding] of sectors) {
        const angle = (sector + 0.5) * 2 * Math.PI / 10;
        await page.mouse.click(box.x + box.width / 2 + box.width * 0.3 * Math.cos(angle),
            box.y + box.height / 2 - box.height * 0.3 * Math.sin(angle));
        assert.equal(await page.textContent("#readWord"), keptWords(10)[sector]);
        assert.equal(await page.textContent("#readDecoding"), decoding);
    }
    await page.getByLabel("Dualcode").check();  // the binary disk is not decoded
    assert.equal(await page.textContent("#readDecoding"), "");
    await page.getByLabel("Dualcode").uncheck();
});
