// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program. Where the browser runs WebAssembly, it starts compiling the program's code
// as soon as the page has read it, on the browser's own threads while the page reads the
// program's script; that script's start-up then takes the compiled code. The code is the page's
// data block "menivor-program" (the .wasm, base64): a data block costs far less to read than a
// script's string, and decoding it here, not fetching a data address, keeps it off the network
// stack and off the wait for the whole page.
//
// Where WebAssembly is missing (a JIT turned off by policy, a lockdown mode) or refused (Safari
// before 16, which does not know the page's 'wasm-unsafe-eval'), the same program compiled to
// JavaScript starts instead, once the page has been read: the data block "menivor-fallback" of
// the page that carries everything, else the site's file beside the page. Should neither start
// before the window is made, the page says so (its "StartFailure" paragraph) rather than stay
// blank.
//
// Written for the oldest engines the page is for (Safari 12): no syntax after ES5 here, so that
// this much runs even where a later script cannot be read.
'use strict';
var Module = (function () {
    var started = false;

    function windowMade() {
        return document.getElementById('Menivor') !== null;
    }

    // The page's message, shown while there is no window, and only then.
    function showMessage(shown) {
        var message = document.getElementById('StartFailure');
        if (message)
            message.hidden = !shown;
    }

    function cannotStart(reason) {
        console.error('Menivor: the program cannot start:', reason);
        if (!started && !windowMade())
            showMessage(true);
    }

    // A script of the page that fails before the window is made (one this engine cannot read,
    // say) leaves no window: say so.
    function onError(event) {
        cannotStart(event.error || event.message);
    }
    window.addEventListener('error', onError);

    // Once the program has made its window with its first result (its main has returned), for
    // what must not delay that result's frame: the page's "menivor-started" event.
    function postRun() {
        started = true;
        window.removeEventListener('error', onError);
        showMessage(!windowMade());
        if (windowMade())
            window.dispatchEvent(new Event('menivor-started'));
    }

    function whenRead(then) {
        if (document.readyState === 'loading')
            document.addEventListener('DOMContentLoaded', then);
        else
            then();
    }

    var fallingBack = false;
    function startFallback(reason) {
        if (fallingBack)
            return;
        fallingBack = true;
        console.warn('Menivor: no WebAssembly here (' + reason + '); the program compiled to JavaScript starts');
        whenRead(function () {
            Module = {postRun: postRun};
            var script = document.createElement('script');
            var inside = document.getElementById('menivor-fallback');
            if (inside) {
                script.textContent = inside.textContent;
            } else {
                script.src = 'menivor-fallback.js';
                script.onerror = function () { cannotStart('menivor-fallback.js could not be loaded'); };
            }
            document.body.appendChild(script);
        });
    }

    function decode(text) {
        if (typeof Uint8Array.fromBase64 === 'function')
            return Uint8Array.fromBase64(text);
        var bytes = atob(text); // browsers before 2025
        var code = new Uint8Array(bytes.length);
        for (var i = 0; i < bytes.length; ++i)
            code[i] = bytes.charCodeAt(i);
        return code;
    }

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') {
        startFallback('WebAssembly is missing');
        return {};
    }
    var compiling;
    try {
        compiling = WebAssembly.compile(decode(document.getElementById('menivor-program').textContent));
    } catch (error) {
        startFallback(error);
        return {};
    }
    compiling.catch(function () {}); // a refusal is handled where the program asks for its code
    return {
        menivorWasm: true,
        // Called once by the program's start-up with its imports; the program starts when
        // receive has its instance. {}: the instance comes later. A compiling or instantiating
        // that fails (refused by the page's policy, say) hands over to the fallback; a program
        // that fails once started does not start twice.
        instantiateWasm: function (imports, receive) {
            compiling.then(function (module) {
                return WebAssembly.instantiate(module, imports).then(function (instance) {
                    return function () { receive(instance, module); };
                });
            }).then(function (run) {
                try {
                    run();
                } catch (error) {
                    cannotStart(error);
                }
            }, startFallback);
            return {};
        },
        postRun: postRun,
    };
})();
