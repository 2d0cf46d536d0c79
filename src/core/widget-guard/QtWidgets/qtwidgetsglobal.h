// Every Qt Widgets header includes this one first. It stands on the include
// path of moxten_model and of the tests of the core alone, so that a widget
// header there fails the build.
#error "moxten_model and its tests draw with Qt Core and Qt Gui alone: no widget header here"
