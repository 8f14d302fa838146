// Placed first on the include path of the GUI-free core library: any QtWidgets header pulls this in.
#error "core layer: QtWidgets headers are not allowed here; move this file to a ui/ folder"
