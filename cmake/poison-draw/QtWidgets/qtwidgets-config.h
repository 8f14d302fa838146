// Placed first on the include path of the draw library: any QtWidgets header pulls this in.
#error "draw layer: QtWidgets headers are not allowed here; move this file to a ui/ folder"
