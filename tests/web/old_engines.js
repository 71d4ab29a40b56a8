// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reads every script that the page runs (each page's own, the program's, its fallback, the
// service worker) as the oldest engines the page is for would: Safari 12 (iOS 12, the last an
// iPad Air 1 or mini 2 and 3 get), Chrome 70 and Firefox ESR 68. Their common language is
// ECMAScript 2018, less the regular expressions that Firefox 68 lacks (named groups, lookbehind,
// \p{...}, the s flag). A few functions of later years are named below; a script may use one only
// where it tests for it first (typeof ... or "... in ...").
//
// usage: node old_engines.js <folder with menivor.html and site/>
'use strict';
const fs = require('fs');
const path = require('path');
let acorn, walk;
try {
    acorn = require('acorn');
    walk = require('acorn-walk');
} catch (error) {
    console.log('FAIL: acorn is missing: run scripts/setup.sh');
    process.exit(1);
}

// Functions the oldest engines lack, by name, with the first engine that lacks each.
const LATER = {
    fromBase64: 'every engine before 2025', fromEntries: 'Chrome 70', matchAll: 'Chrome 70',
    replaceAll: 'Safari 12', allSettled: 'Chrome 70', globalThis: 'Chrome 70', queueMicrotask: 'Chrome 70',
    structuredClone: 'Safari 12', BigInt: 'Safari 12', showModal: 'Safari 12 and Firefox 68 (no <dialog>)',
    replaceChildren: 'Safari 12', toSorted: 'Safari 12', findLast: 'Safari 12', hasOwn: 'Safari 12',
};

// The scripts of a page: its <script> elements with code, and the fallback's data block.
function pageScripts(file) {
    const scripts = [];
    const html = fs.readFileSync(file, 'utf8');
    for (const [, attributes, text] of html.matchAll(/<script([^>]*)>([\s\S]*?)<\/script>/g)) {
        const type = /type="([^"]*)"/.exec(attributes);
        if (!type || /id="menivor-fallback"/.test(attributes))
            scripts.push([`${path.basename(file)}, script ${scripts.length + 1}`, text]);
    }
    return scripts;
}

function problems(text) {
    const found = [];
    const tested = new Set();
    const used = [];
    const ast = acorn.parse(text, {
        ecmaVersion: 2018, sourceType: 'script', locations: true,
        onToken: token => {
            const regex = token.value && token.value.pattern !== undefined ? token.value : null;
            if (regex && (regex.flags.includes('s') || /\(\?<|\\[pP]\{/.test(regex.pattern)))
                found.push(`line ${token.loc.start.line}: /${regex.pattern}/${regex.flags}: a regular expression Firefox 68 cannot read`);
        },
    });
    const name = node => node.type === 'Identifier' ? node.name
        : node.type === 'MemberExpression' && !node.computed ? node.property.name
            : node.type === 'Literal' ? node.value : null;
    walk.full(ast, node => {
        if (node.type === 'UnaryExpression' && node.operator === 'typeof')
            tested.add(name(node.argument));
        else if (node.type === 'BinaryExpression' && node.operator === 'in')
            tested.add(name(node.left));
        const used_name = name(node);
        if (node.type !== 'Literal' && Object.hasOwnProperty.call(LATER, used_name))
            used.push([used_name, node.loc.start.line]);
    });
    for (const [used_name, line] of used)
        if (!tested.has(used_name))
            found.push(`line ${line}: ${used_name} without a test for it first (${LATER[used_name]} lacks it)`);
    return found;
}

const out = process.argv[2];
if (!out) {
    console.error('usage: node old_engines.js <folder with menivor.html and site/>');
    process.exit(2);
}
const site = path.join(out, 'site');
const scripts = [...pageScripts(path.join(out, 'menivor.html')), ...pageScripts(path.join(site, 'index.html')),
    ...['sw.js', 'menivor-fallback.js'].map(name => [name, fs.readFileSync(path.join(site, name), 'utf8')])];
let passed = 0, failed = 0;
for (const [where, text] of scripts) {
    let found;
    try {
        found = problems(text);
    } catch (error) {
        found = [`${error.message}: not ECMAScript 2018`];
    }
    if (found.length === 0) {
        ++passed;
        console.log(`PASS: ${where} reads in Safari 12, Chrome 70 and Firefox 68`);
    } else {
        ++failed;
        console.log(`FAIL: ${where}: ${found.join('; ')}`);
    }
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed || passed === 0 ? 1 : 0);
