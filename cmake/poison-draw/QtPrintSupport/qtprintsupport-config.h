// Placed first on the include path of the draw library: any QtPrintSupport header pulls this in.
#error "draw layer: QtPrintSupport headers are not allowed here; move this file to a ui/ folder"
