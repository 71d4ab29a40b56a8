// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts compiling the program's code as soon as the page has read it, on the browser's own
// threads while the page reads the program's script; that script's start-up then takes the
// compiled code. The code is the page's data block "menivor-program" (the .wasm, base64): a data
// block costs far less to read than a script's string, and decoding it here, not fetching a data
// address, keeps it off the network stack and off the wait for the whole page.
'use strict';
var Module = (function () {
    const text = document.getElementById('menivor-program').textContent;
    let code;
    if (typeof Uint8Array.fromBase64 === 'function') {
        code = Uint8Array.fromBase64(text);
    } else { // browsers before 2025
        const bytes = atob(text);
        code = new Uint8Array(bytes.length);
        for (let i = 0; i < bytes.length; ++i)
            code[i] = bytes.charCodeAt(i);
    }
    const compiling = WebAssembly.compile(code);
    return {
        // Called once by the program's start-up with its imports; the program starts when
        // receive has its instance. {}: the instance comes later.
        instantiateWasm: function (imports, receive) {
            compiling.then(function (module) {
                return WebAssembly.instantiate(module, imports).then(function (instance) {
                    receive(instance, module);
                });
            }).catch(function (error) {
                console.error('Menivor: the program cannot start:', error);
            });
            return {};
        },
        // Once the program has made its window with its first result (its main has returned),
        // for what must not delay that result's frame: the page's "menivor-started" event.
        postRun: function () {
            window.dispatchEvent(new Event('menivor-started'));
        },
    };
})();
