// SPDX-License-Identifier: GPL-3.0-or-later
// zyklora-disk: the files to build an encoder disk, for maker spaces and scripts.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/output.h"
#include "io/fileAccess.h"
#include "io/textFile.h"
#include "lib/errors.h"
#include "maker/diskChecks.h"
#include "maker/diskFileKinds.h"

namespace {

constexpr std::string_view kUsage =
    "Aufruf: zyklora-disk [Optionen] ANZAHL FORMAT [-o DATEI]\n"
    "FORMAT: svg | dxf | stl | stl-inlay | template | template-svg | arduino | micropython | "
    "report\n"
    "--diameter MM --shaft MM --track MM --gap MM --rim MM --thickness MM --kerf MM\n"
    "--holes 0|3|4 --hole-diameter MM --style print|slit --slit-bit 1|0 --code zyklora|excess\n"
    "--sensor-angles A1,A2,... --mirror\n";

// A wrong call: the usage, status 2.
struct TWrongCall {};
// A value the disk cannot take, or a blocking check: a German message, status 1.
struct TRefused {
    std::string message;
};

void writeTo(int descriptor, const std::string& text) {
    TOutput output(descriptor);
    output.write(text);
    output.flush();
}

// A number as a maker types it, with a decimal point or comma.
double numberOf(std::string text, const std::string& option) {
    for (char& c : text) c = c == ',' ? '.' : c;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) {
        throw TRefused{option + ": \"" + text + "\" ist keine Zahl"};
    }
    return value;
}

void inRange(double value, double least, double most, const std::string& option) {
    if (value < least || value > most) {
        throw TRefused{option + " muss zwischen " + millimetres(least) + " und " +
                       millimetres(most) + " liegen, nicht " + millimetres(value)};
    }
}

// The message for an option given a value it does not take.
std::string choices(const std::string& option, const std::string& allowed,
                    const std::string& given) {
    return option + ": " + allowed + ", nicht \"" + given + "\"";
}

struct TCall {
    TDiskSettings settings;
    std::string format;
    std::optional<std::string> output;
};

TCall parse(std::span<char*> arguments) {
    TCall call;
    TDiskSettings& s = call.settings;
    // Each option's setter takes the value's text and the option's name for its messages.
    using TSetter = std::function<void(const std::string&, const std::string&)>;
    const auto length = [](double& field, double least, double most) {
        return [&field, least, most](const std::string& text, const std::string& option) {
            field = numberOf(text, option);
            inRange(field, least, most, option);
        };
    };
    const std::map<std::string, TSetter, std::less<>> options = {
        {"--diameter", length(s.diameter, kMinDiameter, kMaxDiameter)},
        {"--shaft",
         [&s](const std::string& text, const std::string& option) {
             s.shaft = numberOf(text, option);
             if (s.shaft != 0) inRange(s.shaft, kMinShaft, kMaxShaft, option);
         }},
        {"--track", length(s.track, kMinTrack, kMaxTrack)},
        {"--gap", length(s.gap, kMinGap, kMaxGap)},
        {"--rim", length(s.rim, kMinRim, kMaxRim)},
        {"--thickness", length(s.thickness, kMinThickness, kMaxThickness)},
        {"--kerf", length(s.kerf, kMinKerf, kMaxKerf)},
        {"--hole-diameter", length(s.holeDiameter, kMinHoleDiameter, kMaxHoleDiameter)},
        {"--holes",
         [&s](const std::string& text, const std::string& option) {
             if (text != "0" && text != "3" && text != "4") {
                 throw TRefused{choices(option, "0, 3 oder 4", text)};
             }
             s.holes = text[0] - '0';
         }},
        {"--style",
         [&s](const std::string& text, const std::string& option) {
             if (text != "print" && text != "slit")
                 throw TRefused{choices(option, "print oder slit", text)};
             s.style = text == "print" ? TDiskStyle::Print : TDiskStyle::Slit;
         }},
        {"--slit-bit",
         [&s](const std::string& text, const std::string& option) {
             if (text != "0" && text != "1") throw TRefused{choices(option, "1 oder 0", text)};
             s.slitBit = text[0] - '0';
         }},
        {"--code",
         [&s](const std::string& text, const std::string& option) {
             if (text != "zyklora" && text != "excess") {
                 throw TRefused{choices(option, "zyklora oder excess", text)};
             }
             s.code = text == "zyklora" ? TDiskCode::Zyklora : TDiskCode::Excess;
         }},
        {"--sensor-angles",
         [&s](const std::string& text, const std::string& option) {
             s.sensorAngles.clear();
             for (std::size_t at = 0; at <= text.size();) {
                 const std::size_t end = std::min(text.find(',', at), text.size());
                 // A comma separates the angles, so each is a whole or decimal-point number.
                 const double angle = numberOf(text.substr(at, end - at), option);
                 inRange(angle, 0, kMaxSensorAngle, option);
                 s.sensorAngles.push_back(angle);
                 at = end + 1;
             }
         }},
    };
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string argument = arguments[i];
        if (argument == "--mirror") {
            s.mirror = true;
        } else if (argument == "-o" || options.contains(argument)) {
            if (i + 1 >= arguments.size()) throw TWrongCall{};
            const std::string value = arguments[++i];
            if (argument == "-o") {
                call.output = value;
            } else {
                options.find(argument)->second(value, argument);
            }
        } else if (argument.starts_with("-") && argument.size() > 1) {
            throw TWrongCall{};
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) throw TWrongCall{};
    const double count = numberOf(positional[0], "ANZAHL");
    const std::optional<TCodeCount> checked = count == std::trunc(count)
                                                  ? TCodeCount::of(static_cast<std::int64_t>(count))
                                                  : std::nullopt;
    if (!checked) {
        throw TRefused{"ANZAHL muss eine gerade Zahl von 4 bis 64 sein, nicht " + positional[0]};
    }
    s.count = *checked;
    call.format = positional[1];
    return call;
}

// The file of call's format, after the checks of the process that makes it.
std::string fileOf(const TCall& call) {
    const std::optional<TDiskFile> file = diskFileOf(call.format);
    if (!file) throw TWrongCall{};
    TDiskFileMade made = diskFile(*file, call.settings);
    if (!made.refusal.empty()) throw TRefused{made.refusal};
    return std::move(made.bytes);
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const TCall call = parse(std::span(argv + 1, static_cast<std::size_t>(argc - 1)));
        if (call.format == "report") {
            const std::vector<TDiskCheck> laser = diskChecks(call.settings, TProcess::Laser);
            const std::vector<TDiskCheck> fdm = diskChecks(call.settings, TProcess::Fdm);
            writeTo(STDOUT_FILENO,
                    checkLines(laser, "Laser/Plotter: ") + checkLines(fdm, "3D-Druck: "));
            return blocks(laser) || blocks(fdm) ? 1 : 0;
        }
        const std::string text = fileOf(call);
        if (call.output) {
            if (const std::string failure = savedText(*call.output, text); !failure.empty()) {
                throw TRefused{failure};
            }
        } else {
            writeTo(STDOUT_FILENO, text);
        }
        return 0;
    } catch (const TWrongCall&) {
        writeTo(STDERR_FILENO, std::string(kUsage));
        return 2;
    } catch (const TRefused& refused) {
        writeTo(STDERR_FILENO, "zyklora-disk: " + refused.message + "\n");
    } catch (const EStreamError& error) {
        writeTo(STDERR_FILENO, std::string("zyklora-disk: ") + error.what() + "\n");
    } catch (const std::system_error& error) {
        writeTo(STDERR_FILENO, "zyklora-disk: " + systemReason(error.code().value()) + "\n");
    }
    return 1;
}
