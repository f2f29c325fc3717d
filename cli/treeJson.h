// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TBase;
class TBinTree;

// Receives the JSON text piece by piece, in order.
using TJsonSink = std::function<void(std::string_view)>;

// The tree as one JSON document: null when empty, else nested node objects
// {"class": "TInteger", "value": 300, "left": <node or null>, "right": <node or null>}.
// Texts and characters are strings (Windows-1252 bytes shown as UTF-8), integers exact,
// TBoolean true/false, TReal the shortest number that reads back to the same double, TExtended
// 21 significant digits, non-finite numbers "NaN", "Infinity" or "-Infinity", TTBruch
// {"numerator": n, "denominator": d}. Works without recursion, for trees of any depth, and
// hands the text to out as it is produced, so that a large text is never held twice.
void writeTreeJson(const TBinTree& tree, const TJsonSink& out);
std::string treeToJson(const TBinTree& tree);

// The JSON form of one value as above; null for a class that is no value class.
void writeValueJson(const TBase& value, const TJsonSink& out);
std::string valueToJson(const TBase& value);
