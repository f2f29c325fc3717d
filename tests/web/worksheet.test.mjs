// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: the worksheet dialog prints the engine's pages on A4 at true size, and saves them,
// each choice as one file.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { openBrowser, openPage } from "./browser.mjs";

let browser;
let page;
let dir;
const errors = [];

before(async () => {
    dir = mkdtempSync(join(tmpdir(), "zyklora-sheets-"));
    browser = await openBrowser();
    page = await openPage(browser.context, errors);
    // Printing is caught here; page.pdf prints what the print stylesheet shows.
    await page.evaluate(() => {
        window.print = () => {
            window.printed = (window.printed ?? 0) + 1;
            window.printedTitle = document.title;
        };
    });
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
    rmSync(dir, { recursive: true, force: true });
});

// The dialog, opened by its shortcut, set to a kind (0 to 2), count, variant, solution and the
// number of sheets of a class set (0 for none).
const chooseSheet = async (kind, count, variant, solution, copies = 0) => {
    await page.keyboard.press("Control+Shift+P");
    assert.ok(await page.$eval("#sheetBox", (box) => box.open), "Strg+Umschalt+P opens the dialog");
    // The dialog's own fields: "Scheibe bauen" has an "Art:" and a "Codeanzahl:" too.
    const box = page.locator("#sheetBox");
    await box.getByLabel("Art:").selectOption(String(kind));
    await box.getByLabel("Codeanzahl:").fill(String(count));
    await box.getByLabel("Variante:").fill(String(variant));
    await box.getByLabel("Lösung beilegen").setChecked(solution);
    await box.getByLabel("Klassensatz mit").setChecked(copies > 0);
    if (copies > 0) await box.getByLabel("Blätter im Klassensatz").fill(String(copies));
};

// The downloads that a click on the button named name starts, once a second has passed
// without another.
const downloadsOf = async (name) => {
    const files = [];
    const listen = (file) => files.push(file);
    page.on("download", listen);
    await page.getByRole("button", { name, exact: true }).click();
    for (let seen = -1; seen !== files.length;) {
        seen = files.length;
        await page.waitForTimeout(1000);
    }
    page.off("download", listen);
    return files;
};
const pdfInfo = (pdf) => execFileSync("pdfinfo", [pdf], { encoding: "utf8" });

const printedPdf = async (name) => {
    const pdf = join(dir, name);
    writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
    return pdf;
};
const pdfText = (pdf, number) =>
    execFileSync("pdftotext", ["-f", String(number), "-l", String(number), pdf, "-"],
        { encoding: "utf8" });

// A page of the PDF in grey at dpi dots to the inch, as pdftoppm writes it (binary PGM).
function render(pdf, number, dpi) {
    const base = join(dir, `seite-${number}-${dpi}`);
    execFileSync("pdftoppm", ["-r", String(dpi), "-gray", "-singlefile", "-f", String(number),
        "-l", String(number), pdf, base]);
    const data = readFileSync(`${base}.pgm`);
    const [header, width, height] = data.toString("latin1", 0, 40).match(/^P5\s+(\d+)\s+(\d+)\s+255\s/);
    return { width: Number(width), height: Number(height),
        at: (x, y) => data[header.length + y * Number(width) + x] };
}

// The longest dark run along a row of the page's lowest tenth at 254 dots to the inch, a pixel
// 0.1 mm: the check bar, as { start, length } in pixels.
function checkBar(pdf, number) {
    const sheet = render(pdf, number, 254);
    let bar = { start: 0, length: 0 };
    for (let y = Math.round(sheet.height * 0.9); y < sheet.height; ++y) {
        let start = 0;
        for (let x = 0; x <= sheet.width; ++x) {
            if (x < sheet.width && sheet.at(x, y) < 160) continue;
            if (x - start > bar.length) bar = { start, length: x - start };
            start = x + 1;
        }
    }
    return bar;
}

test("Drucken… prints the sheet and its solution on A4, the disk 120 mm across, the bar 100 mm",
    async () => {
        await chooseSheet(0, 4, 17, true);
        await page.getByRole("button", { name: "Drucken…" }).click();
        assert.equal(await page.evaluate(() => window.printed), 1);
        // Chromium proposes the title as the name of a PDF printed.
        assert.equal(await page.evaluate(() => window.printedTitle),
            "arbeitsblatt-mit-loesung-scheibe-ausfuellen-4-v17");
        const pdf = await printedPdf("blatt.pdf");
        const info = execFileSync("pdfinfo", [pdf], { encoding: "utf8" });
        assert.match(info, /Pages:\s+2\n/);
        const [, width, height] = info.match(/Page size:\s+([\d.]+) x ([\d.]+) pts/);
        assert.ok(Math.abs(width - 595.28) < 1 && Math.abs(height - 841.89) < 1, info);
        assert.match(pdfText(pdf, 1), /Gray-Code – Arbeitsblatt[\s\S]*Variante 17 · 4 Codewörter/);
        assert.match(pdfText(pdf, 2), /Gray-Code – Lösung/);

        // The solution's black wedges at 100 dots to the inch: for 4 words the outer ring is
        // black from 90° to 270°, so they reach the disk's top, bottom and left edge, 120 mm
        // (472.4 pixels) apart, the disk centred on the page (413.4). Pixels whose whole
        // neighbourhood is black are the wedges, not text; the bold heading and the bar's label
        // lie above and below the part searched.
        const solution = render(pdf, 2, 100);
        let [top, bottom, left] = [Infinity, -Infinity, Infinity];
        for (let y = Math.round(solution.height * 0.2); y < solution.height * 0.85; ++y) {
            for (let x = 1; x < solution.width - 1; ++x) {
                let solid = true;
                for (let dy = -1; dy <= 1 && solid; ++dy) {
                    for (let dx = -1; dx <= 1 && solid; ++dx) solid = solution.at(x + dx, y + dy) < 100;
                }
                if (!solid) continue;
                [top, bottom, left] = [Math.min(top, y), Math.max(bottom, y), Math.min(left, x)];
            }
        }
        assert.ok(Math.abs(bottom - top + 3 - 472.4) <= 3, `disk ${bottom - top + 3} pixels high`);
        assert.ok(Math.abs(left - 1 - (413.4 - 236.2)) <= 3, `disk's left edge at ${left - 1}`);

        // The check bar at 254 dots to the inch, a pixel 0.1 mm: 1000 pixels from the margin.
        const bar = checkBar(pdf, 1);
        assert.ok(Math.abs(bar.length - 1000) <= 3.5, `bar ${bar.length} pixels long`);
        assert.ok(Math.abs(bar.start - 150) <= 2, `bar from ${bar.start}`);

        // After printing, "Drucken" on the toolbar prints the engine's page of the table's disk
        // again, true to size, named for what it holds.
        await page.evaluate(() => dispatchEvent(new Event("afterprint")));
        assert.equal(await page.title(), "Zyklora");
        await page.keyboard.press("Escape");
        await page.getByRole("button", { name: "Drucken", exact: true }).click();
        assert.equal(await page.evaluate(() => window.printedTitle), "codescheibe-10");
        const classic = await printedPdf("klassisch.pdf");
        assert.match(execFileSync("pdfinfo", [classic], { encoding: "utf8" }), /Pages:\s+1\n/);
        assert.match(pdfText(classic, 1), /Zyklischer Gray-Code mit n = 10 Codewörtern/);
        assert.ok(Math.abs(checkBar(classic, 1).length - 1000) <= 3.5);
    });

test("Als PDF speichern saves a class set with its solutions as one PDF, true to size", async () => {
    await chooseSheet(1, 10, 17, true, 3);
    const [file, ...more] = await downloadsOf("Als PDF speichern");
    assert.equal(more.length, 0, "one download");
    assert.equal(file.suggestedFilename(),
        "klassensatz-mit-loesungen-tabelle-ausfuellen-10-v17-v19.pdf");
    const pdf = await file.path();
    assert.equal(readFileSync(pdf).toString("latin1", 0, 5), "%PDF-");
    const info = pdfInfo(pdf);
    assert.match(info, /Pages:\s+6\n/);
    assert.match(info, /Page size:\s+595.276 x 841.89 pts \(A4\)/);
    const expected = ["Arbeitsblatt 17", "Arbeitsblatt 18", "Arbeitsblatt 19", "Lösung 17",
        "Lösung 18", "Lösung 19"];
    expected.forEach((heading, i) => {
        const [, kind, variant] = pdfText(pdf, i + 1).match(/Gray-Code – (\S+)[\s\S]*Variante (\d+) ·/);
        assert.equal(`${kind} ${variant}`, heading, `page ${i + 1}`);
    });

    // The check bar of the last solution: 1000 pixels of 0.1 mm.
    const bar = checkBar(pdf, 6);
    assert.ok(Math.abs(bar.length - 1000) <= 3.5, `bar ${bar.length} pixels long`);

    const [solutions, ...others] = await downloadsOf("Nur Lösung als PDF speichern");
    assert.equal(others.length, 0, "one download");
    assert.equal(solutions.suggestedFilename(),
        "loesungen-klassensatz-tabelle-ausfuellen-10-v17-v19.pdf");
    assert.match(pdfInfo(await solutions.path()), /Pages:\s+3\n/);
    assert.match(pdfText(await solutions.path(), 1), /Gray-Code – Lösung[\s\S]*Variante 17 ·/);
    await page.keyboard.press("Escape");
});

test("Als SVG speichern saves the one page of a sheet alone as an A4 drawing", async () => {
    await chooseSheet(1, 10, 4711, false);
    const [file, ...more] = await downloadsOf("Als SVG speichern");
    assert.equal(more.length, 0);
    assert.equal(file.suggestedFilename(), "arbeitsblatt-tabelle-ausfuellen-10-v4711.svg");
    const svg = readFileSync(await file.path(), "utf8");
    assert.match(svg, /<svg [^>]*width="210mm" height="297mm" viewBox="0 0 2100 2970"/);
    assert.match(svg, /<title>Arbeitsblatt: Tabelle ausfüllen, Variante 4711, 10 Codewörter/);
    // A drawing holds one page: not the solution besides, nor a class set.
    const svgButton = page.getByRole("button", { name: "Als SVG speichern" });
    await page.locator("#sheetBox").getByLabel("Lösung beilegen").check();
    assert.ok(await svgButton.isDisabled());
    await page.locator("#sheetBox").getByLabel("Lösung beilegen").uncheck();
    await page.locator("#sheetBox").getByLabel("Klassensatz mit").check();
    assert.ok(await svgButton.isDisabled());
    await page.locator("#sheetBox").getByLabel("Klassensatz mit").uncheck();
    assert.ok(await svgButton.isEnabled());
    await page.keyboard.press("Escape");
});

test("the preview shows the first page, its texts where the browser's font sets their cells",
    async () => {
        await chooseSheet(2, 10, 17, false);
        const preview = page.locator("#sheetBox").getByRole("img", { name: "Vorschau der ersten Seite" });
        const first = await preview.getAttribute("src");
        assert.match(decodeURIComponent(first), /Variante 17 · 10 Codewörter/);
        await page.getByRole("button", { name: "Neue Variante" }).click();
        assert.notEqual(await preview.getAttribute("src"), first);

        // Each text laid out in Chromium: its box's top, the font's ascent above the baseline,
        // is the cell's top that the engine measured from, baseline less 0.93 of the size. A
        // unit is a pixel here, as Chromium rounds a font's ascent to whole pixels.
        const misplaced = await page.evaluate((svgUrl) => {
            const holder = document.createElement("div");
            holder.innerHTML = decodeURIComponent(svgUrl.slice(svgUrl.indexOf(",") + 1))
                .replace(/^<\?xml[^>]*>/, "");
            holder.firstElementChild.setAttribute("width", "2100");
            holder.firstElementChild.setAttribute("height", "2970");
            document.body.append(holder);
            const found = [];
            for (const text of holder.querySelectorAll("text")) {
                const top = Number(text.getAttribute("y")) - 0.93 * Number(text.getAttribute("font-size"));
                const box = text.getBBox();
                if (Math.abs(box.y - top) > 0.75) found.push(`${text.textContent}: ${box.y} for ${top}`);
            }
            holder.remove();
            return found;
        }, first);
        assert.deepEqual(misplaced, []);
        await page.keyboard.press("Escape");
    });

test("the fields are read as the engine reads them, and Neue Variante draws another one",
    async () => {
        await chooseSheet(2, 7, 0, false);
        await page.getByRole("button", { name: "Drucken…" }).click();
        assert.equal(await page.inputValue("#sheetCount"), "8");
        assert.equal(await page.inputValue("#sheetVariant"), "1");
        for (let i = 0; i < 3; ++i) {
            const before = Number(await page.inputValue("#sheetVariant"));
            await page.getByRole("button", { name: "Neue Variante" }).click();
            const drawn = Number(await page.inputValue("#sheetVariant"));
            assert.ok(drawn !== before && drawn >= 1 && drawn <= 9999, `${before} -> ${drawn}`);
        }
        await page.keyboard.press("Escape");
    });
