// SPDX-License-Identifier: MIT
// What the program needs of GLUT beyond Emscripten's: pop-up menus, their tree kept here and
// shown by the page (page.js) as an HTML menu; motion callbacks given the pointer's position; the
// window's status; and an exit the page hears of.
mergeInto(LibraryManager.library, {
  $WebGlut__deps: ['$GLUT', '$callUserCallback'],
  $WebGlut: {
    menus: [null], // by id, from 1 as the toolkit numbers them
    current: 0,
    statusFuncs: {menu: 0}, // and the window's, once set
    motionFuncs: null, // for held and free motion; null until one is set
    // Emscripten's GLUT hands the motion callbacks the pointer's previous position. It stays
    // unaware of them; this handler, added after its own, sees the position it has just taken.
    onMousemove: function(event) {
      var func = GLUT.buttons ? WebGlut.motionFuncs.held :
                 event.target == Module['canvas'] ? WebGlut.motionFuncs.free : 0;
      if (!func) return;
      GLUT.saveModifiers(event);
      callUserCallback(function() {
        {{{ makeDynCall('vii', 'func') }}}(Browser.mouseX, Browser.mouseY);
      });
    },
    setMotionFunc: function(kind, func) {
      if (!WebGlut.motionFuncs) {
        WebGlut.motionFuncs = {held: 0, free: 0};
        window.addEventListener('mousemove', WebGlut.onMousemove, true);
      }
      WebGlut.motionFuncs[kind] = func;
    },
  },

  glutMotionFunc__deps: ['$WebGlut'],
  glutMotionFunc: function(func) { WebGlut.setMotionFunc('held', func); },
  glutPassiveMotionFunc__deps: ['$WebGlut'],
  glutPassiveMotionFunc: function(func) { WebGlut.setMotionFunc('free', func); },

  // The program ends with exit(), where the page stays: it is told, and the program's stack
  // unwound as Emscripten unwinds it after main. (Emscripten 3.1.6 imports exit, later versions
  // proc_exit; the Module.quit the first calls on the way is gone from the others.)
  exit: function(code) {
    Module['ended'](code);
    throw 'unwind';
  },
  proc_exit: 'exit',

  // A tab put in the background is a window hidden: a drag under way there is cut short.
  glutWindowStatusFunc__deps: ['$WebGlut'],
  glutWindowStatusFunc: function(func) {
    if (WebGlut.statusFuncs.window === undefined) {
      document.addEventListener('visibilitychange', function() {
        var func = WebGlut.statusFuncs.window;
        if (func) callUserCallback(function() {
          {{{ makeDynCall('vi', 'func') }}}(document.hidden ? 0 /* GLUT_HIDDEN */ :
                                                  1 /* GLUT_FULLY_RETAINED */);
        });
      });
    }
    WebGlut.statusFuncs.window = func;
  },

  // The menu tree, built as the toolkit builds it.
  glutCreateMenu__deps: ['$WebGlut'],
  glutCreateMenu: function(callback) {
    WebGlut.menus.push({callback: callback, entries: []});
    return WebGlut.current = WebGlut.menus.length - 1;
  },
  glutSetMenu__deps: ['$WebGlut'],
  glutSetMenu: function(menu) { if (WebGlut.menus[menu]) WebGlut.current = menu; },
  glutGetMenu__deps: ['$WebGlut'],
  glutGetMenu: function() { return WebGlut.current; },
  glutAddMenuEntry__deps: ['$WebGlut'],
  glutAddMenuEntry: function(label, value) {
    WebGlut.menus[WebGlut.current].entries.push({label: UTF8ToString(label), value: value});
  },
  glutAddSubMenu__deps: ['$WebGlut'],
  glutAddSubMenu: function(label, menu) {
    WebGlut.menus[WebGlut.current].entries.push({label: UTF8ToString(label), submenu: menu});
  },
  // What the page needs to show the menu and to answer for it, once there is one to show.
  glutAttachMenu__deps: ['$WebGlut'],
  glutAttachMenu: function(button) {
    if (button != 2 /* GLUT_RIGHT_BUTTON */) return;
    Module['attachedMenu'] = WebGlut.current;
    Module['menus'] = WebGlut.menus;
    Module['menuStatus'] = function(inUse, x, y) {
      if (WebGlut.statusFuncs.menu) callUserCallback(function() {
        {{{ makeDynCall('viii', 'WebGlut.statusFuncs.menu') }}}(inUse ? 1 : 0, x, y);
      });
    };
    Module['chooseMenuEntry'] = function(menu, value) {
      var callback = WebGlut.menus[menu].callback;
      WebGlut.current = menu;
      if (callback) callUserCallback(function() {
        {{{ makeDynCall('vi', 'callback') }}}(value);
      });
    };
  },
  glutMenuStatusFunc__deps: ['$WebGlut'],
  glutMenuStatusFunc: function(func) { WebGlut.statusFuncs.menu = func; },
});
