// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/treeJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>
#include <vector>

#include "lib/codePage.h"
#include "lib/treeclss.h"
#include "lib/valueClasses.h"

namespace {

// Long texts are converted and escaped this many bytes at a time.
constexpr std::size_t kTextPiece = 1 << 16;

void writeJsonString(std::string_view ansi, const TJsonSink& out) {
    out("\"");
    std::string piece;
    while (!ansi.empty()) {
        piece.clear();
        // Windows-1252 has one byte per character, so any cut is between characters.
        const std::string utf8 = ansiToUtf8(ansi.substr(0, kTextPiece));
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const char c = utf8[i];
            const auto byte = static_cast<unsigned char>(c);
            // Control characters reach a terminal as commands: C0, DEL and C1 (U+0080 to
            // U+009F, in UTF-8 C2 80 to C2 9F) are escaped.
            const bool c1 = byte == 0xC2 && i + 1 < utf8.size() &&
                            static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                            static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
            if (c == '"' || c == '\\') {
                piece += '\\';
                piece += c;
            } else if (byte < 0x20 || byte == 0x7F || c1) {
                const unsigned code = c1 ? static_cast<unsigned char>(utf8[++i]) : byte;
                constexpr char kHex[] = "0123456789abcdef";
                const char escaped[] = {'\\', 'u', '0', '0', kHex[code >> 4], kHex[code & 0xF]};
                piece.append(escaped, sizeof escaped);
            } else {
                piece += c;
            }
        }
        out(piece);
        ansi.remove_prefix(std::min(ansi.size(), kTextPiece));
    }
    out("\"");
}

template <typename Float>
const char* nonFiniteName(Float value) {
    if (std::isnan(value)) return "\"NaN\"";
    return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
}

std::string jsonDouble(double value) {
    if (!std::isfinite(value)) return nonFiniteName(value);
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

std::string jsonExtended(long double value) {
    if (!std::isfinite(value)) return nonFiniteName(value);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.21Lg", value);
    return digits;
}

// One overload per kind of value class; a value class without one does not compile.
void writeJson(const TString& value, const TJsonSink& out) { writeJsonString(value.text(), out); }
void writeJson(const TChar& value, const TJsonSink& out) {
    const char character = value.getValue();
    writeJsonString({&character, 1}, out);
}
void writeJson(const TReal& value, const TJsonSink& out) { out(jsonDouble(value.getValue())); }
void writeJson(const TExtended& value, const TJsonSink& out) {
    out(jsonExtended(value.getValue()));
}
void writeJson(const TBoolean& value, const TJsonSink& out) {
    out(value.getValue() ? "true" : "false");
}
void writeJson(const TTBruch& value, const TJsonSink& out) {
    const TBruch fraction = value.getValue();
    out("{\"numerator\": " + std::to_string(fraction.numerator) +
        ", \"denominator\": " + std::to_string(fraction.denominator) + "}");
}
template <typename Traits>
requires std::is_integral_v<typename Traits::Value>
void writeJson(const TScalarValue<Traits>& value, const TJsonSink& out) {
    out(std::to_string(value.getValue()));
}

std::string collected(const std::function<void(const TJsonSink&)>& write) {
    std::string text;
    write([&](std::string_view piece) { text += piece; });
    return text;
}

}  // namespace

void writeValueJson(const TBase& value, const TJsonSink& out) {
    bool written = false;
    forEachValueClass([&]<typename T>() {
        if (!written && value.className() == T::kClassName) {
            writeJson(dynamic_cast<const T&>(value), out);
            written = true;
        }
    });
    if (!written) out("null");
}

std::string valueToJson(const TBase& value) {
    return collected([&](const TJsonSink& out) { writeValueJson(value, out); });
}

void writeTreeJson(const TBinTree& tree, const TJsonSink& out) {
    // What is still to be written, last first: a subtree (nullptr for an absent one) or text.
    using Piece = std::variant<const TBinTreeNode*, const char*>;
    std::vector<Piece> pending{tree.root()};
    while (!pending.empty()) {
        const Piece piece = pending.back();
        pending.pop_back();
        if (const auto* text = std::get_if<const char*>(&piece)) {
            out(*text);
            continue;
        }
        const TBinTreeNode* node = std::get<const TBinTreeNode*>(piece);
        if (node == nullptr) {
            out("null");
            continue;
        }
        out("{\"class\": ");
        writeJsonString(node->getValue()->className(), out);
        out(", \"value\": ");
        writeValueJson(*node->getValue(), out);
        out(", \"left\": ");
        pending.insert(pending.end(), {"}", node->getRight(), ", \"right\": ", node->getLeft()});
    }
}

std::string treeToJson(const TBinTree& tree) {
    return collected([&](const TJsonSink& out) { writeTreeJson(tree, out); });
}
