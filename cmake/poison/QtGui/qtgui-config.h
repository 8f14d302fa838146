// Placed first on the include path of the GUI-free core library: any QtGui header pulls this in.
#error "core layer: QtGui headers are not allowed here; move this file to a draw/ or ui/ folder"
