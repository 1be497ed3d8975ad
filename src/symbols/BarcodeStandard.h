#pragma once
// The symbol a format draws in its code boxes. The number is what formats store, so
// a stored value outside the list (a damaged format) draws nothing.
enum class BarcodeStandard { Code39 = 0, Ean13 = 1, QrCode = 2 };
