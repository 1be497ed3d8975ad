#pragma once
// The texts the symbols module shows to the user.

// Shown by the caller when a Code 39 text cannot be drawn (DrawSymbol returned false).
inline constexpr char kInvalidCode39Text[] =
    "要打印的条形码字符串中包含无效字符！当前版本只支持字符0-9,A-Z,-,%,$和*";
