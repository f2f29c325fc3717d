#pragma once

#include <string>

class TBase;
class TBinTree;

// The tree as one JSON document: null when empty, else nested node objects
// {"class": "TInteger", "value": 300, "left": <node or null>, "right": <node or null>}.
// Texts and characters are strings (Windows-1252 bytes shown as UTF-8), integers exact,
// TBoolean true/false, TReal the shortest number that reads back to the same double, TExtended
// 21 significant digits, non-finite numbers "NaN", "Infinity" or "-Infinity", TTBruch
// {"numerator": n, "denominator": d}. Works without recursion, for trees of any depth.
std::string treeToJson(const TBinTree& tree);

// The JSON form of one value as above; null for a class that is no value class.
std::string valueToJson(const TBase& value);
