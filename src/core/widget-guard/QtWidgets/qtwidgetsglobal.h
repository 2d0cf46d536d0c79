// Every Qt Widgets header includes this one first. It stands on the include
// path of moxten_model alone, so that a widget header there fails the build.
#error "moxten_model draws with Qt Core and Qt Gui alone: no widget header here"
