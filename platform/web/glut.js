// SPDX-License-Identifier: MIT
// What the program needs of GLUT beyond Emscripten's, from the page's own events: pop-up menus,
// their tree kept here and shown by the page (page.js) as an HTML menu; motion callbacks given
// the pointer's new position; keys; and the window's status. Every call into the program goes
// through callUserCallback, which takes the program's exit as an end rather than an error.
var LibraryWebGlut = {
    $WebGlut__deps: ['$callUserCallback'],
    $WebGlut: {
        menus: [null], // by id, from 1 as the toolkit numbers them
        current: 0,
        funcs: {}, // the program's callbacks by kind, once set
        modifiers: 0,
        listening: {},
        pointer: [0, 0],
        // The program's callback of that kind with these (int) arguments.
        call: function(kind, args) {
            const func = WebGlut.funcs[kind];
            if (!func)
                return;
            // Emscripten's macros, which the formatter would take apart.
            // clang-format off
            callUserCallback(() => {
                if (args.length == 1) {{{ makeDynCall('vi', 'func') }}}(args[0]);
                else if (args.length == 2) {{{ makeDynCall('vii', 'func') }}}(args[0], args[1]);
                else {{{ makeDynCall('viii', 'func') }}}(args[0], args[1], args[2]);
            });
            // clang-format on
        },
        // Once per kind of event, on the window in the capture phase as the toolkit listens, so
        // that the page, which listens first, can keep an event from the game.
        listen: function(target, type, handler) {
            if (WebGlut.listening[type])
                return;
            WebGlut.listening[type] = true;
            target.addEventListener(type, handler, true);
        },
        // The pointer in the canvas's pixels, as the toolkit gives it to the mouse callback.
        point: function(event) {
            const canvas = Module['canvas'], box = canvas.getBoundingClientRect();
            return [
                (event.clientX - box.left) * canvas.width / box.width | 0,
                (event.clientY - box.top) * canvas.height / box.height | 0
            ];
        },
        saveModifiers: function(event) {
            WebGlut.modifiers = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0)
                | (event.altKey ? 4 : 0); // GLUT_ACTIVE_SHIFT, _CTRL, _ALT
        },
        // Emscripten's GLUT hands the motion callbacks the pointer's previous position.
        onMousemove: function(event) {
            const held = event.buttons != 0;
            if (!held && event.target != Module['canvas'])
                return;
            WebGlut.saveModifiers(event);
            WebGlut.pointer = WebGlut.point(event);
            WebGlut.call(held ? 'motion' : 'passiveMotion', WebGlut.pointer);
        },
        setMotion: function(kind, func) {
            WebGlut.funcs[kind] = func;
            WebGlut.listen(window, 'mousemove', WebGlut.onMousemove);
        },
        // The keys a terminal gives: Ctrl and Meta keys are the browser's, Alt keys reach both.
        onKeydown: function(event) {
            const named = { Escape: 27, Enter: 13, Tab: 9, Backspace: 8, Delete: 127 };
            const key = event.key.length == 1 ? event.key.charCodeAt(0) : named[event.key];
            if (key === undefined || key > 127 || event.ctrlKey || event.metaKey)
                return;
            // Tab moves the focus, and a focused button takes Enter and Space, as on any page.
            const pageKey = key == 9 || event.target instanceof HTMLButtonElement;
            if (!event.altKey && !pageKey)
                event.preventDefault();
            WebGlut.saveModifiers(event);
            WebGlut.call('keyboard', [key].concat(WebGlut.pointer));
        },
    },
    glutMotionFunc: function(func) { WebGlut.setMotion('motion', func); },
    glutPassiveMotionFunc: function(func) { WebGlut.setMotion('passiveMotion', func); },
    glutKeyboardFunc: function(func) {
        WebGlut.funcs.keyboard = func;
        WebGlut.listen(window, 'keydown', WebGlut.onKeydown);
    },
    glutGetModifiers: function() { return WebGlut.modifiers; },
    // The program has no special keys; the toolkit's own handling would keep F5 and the arrows,
    // among others, from the browser.
    glutSpecialFunc: function(func) {},

    // A tab put in the background is a window hidden: a drag under way there is cut short.
    glutWindowStatusFunc: function(func) {
        WebGlut.funcs.windowStatus = func;
        WebGlut.listen(document, 'visibilitychange', () => {
            WebGlut.call('windowStatus',
                [document.hidden ? 0 /* GLUT_HIDDEN */ : 1 /* GLUT_FULLY_RETAINED */]);
        });
    },

    // The menu tree, built as the toolkit builds it.
    glutCreateMenu: function(callback) {
        WebGlut.menus.push({ callback: callback, entries: [] });
        return WebGlut.current = WebGlut.menus.length - 1;
    },
    glutAddMenuEntry: function(label, value) {
        WebGlut.menus[WebGlut.current].entries.push({ label: UTF8ToString(label), value: value });
    },
    glutAddSubMenu: function(label, menu) {
        WebGlut.menus[WebGlut.current].entries.push({ label: UTF8ToString(label), submenu: menu });
    },
    // What the page needs to show the menu and to answer for it, once there is one to show.
    glutAttachMenu: function(button) {
        if (button != 2 /* GLUT_RIGHT_BUTTON */)
            return;
        Module['attachedMenu'] = WebGlut.current;
        Module['menus'] = WebGlut.menus;
        Module['menuStatus'] = function(inUse, x, y) {
            const status = inUse ? 1 /* GLUT_MENU_IN_USE */ : 0 /* GLUT_MENU_NOT_IN_USE */;
            WebGlut.call('menuStatus', [status, x, y]);
        };
        Module['chooseMenuEntry'] = function(menu, value) {
            WebGlut.current = menu;
            WebGlut.funcs.menu = WebGlut.menus[menu].callback;
            WebGlut.call('menu', [value]);
        };
    },
    glutMenuStatusFunc: function(func) { WebGlut.funcs.menuStatus = func; },
};

autoAddDeps(LibraryWebGlut, '$WebGlut');
mergeInto(LibraryManager.library, LibraryWebGlut);
