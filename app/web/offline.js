// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Registers the service worker that keeps the page working offline. Browsers run service workers
// only for pages from http(s); a page opened as a file simply works without one.
'use strict';
// Once the page has loaded: storing the release must not slow its start.
if ('serviceWorker' in navigator && window.isSecureContext && location.protocol !== 'file:') {
    window.addEventListener('load', () => {
        navigator.serviceWorker.register('sw.js').catch(error => console.warn('Menivor: no offline copy:', error));
    });
}
