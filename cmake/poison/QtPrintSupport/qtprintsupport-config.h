// Placed first on the include path of the GUI-free core library: any QtPrintSupport header pulls this in.
#error "core layer: QtPrintSupport headers are not allowed here; move this file to a ui/ folder"
