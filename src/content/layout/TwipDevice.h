#pragma once
// A device of 1440 dpi, whose pixels are twips: measuring on it gives the widths any
// surface sees, since TwipFont sizes fonts in twips on every device.
class QPaintDevice;

const QPaintDevice& TwipDevice();
