#include "Skinpack.h"

#include "PackageInspector.h"
#include "RenderCommand.h"
#include "core/Error.h"
#include "core/Stream.h"
#include "skin/data/SkinPackage.h"

#include <filesystem>
#include <iomanip>
#include <optional>

namespace skinpack {

namespace {

namespace fs = std::filesystem;

constexpr const char* usage =
    "usage:\n"
    "  skinpack build <skin.ini> [--raw] -o <file>\n"
    "      pack a skin ini and the bitmaps it names; --raw writes only the zlib\n"
    "      stream (the bytes a layout stores as CompressedData)\n"
    "  skinpack info <file>          show what a compressed skin or zlib stream holds\n"
    "  skinpack extract <file> -o <dir>\n"
    "      write its bitmaps and skin.ini so that build gives the package back\n"
    "  skinpack verify <file>        load it as the skin store does; exit 1 on errors\n"
    "  skinpack render ...           draw a skin (see skinpack render --help)\n";

fs::path pathOf(const std::string& utf8) {
    return fs::path(reinterpret_cast<const char8_t*>(utf8.c_str()));
}

std::string utf8Of(const fs::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

// Parsed "<input> [--raw] -o <output>" arguments.
struct Arguments {
    std::string input;
    std::string output;
    bool raw = false;
};

std::optional<Arguments> parse(const std::vector<std::string>& args, bool allowRaw, bool needOutput,
                               std::ostream& err) {
    Arguments a;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& w = args[i];
        if (w == "-o" || w == "--output") {
            if (i + 1 >= args.size()) {
                err << "skinpack: " << w << " needs a file name\n";
                return std::nullopt;
            }
            a.output = args[++i];
        } else if (w == "--raw" && allowRaw) {
            a.raw = true;
        } else if (!w.empty() && w[0] == '-' && w != "-") {
            err << "skinpack: unknown option " << w << "\n";
            return std::nullopt;
        } else if (a.input.empty()) {
            a.input = w;
        } else {
            err << "skinpack: one input file only (got " << a.input << " and " << w << ")\n";
            return std::nullopt;
        }
    }
    if (a.input.empty()) {
        err << "skinpack " << args[0] << ": no input file\n";
        return std::nullopt;
    }
    if (needOutput && a.output.empty()) {
        err << "skinpack " << args[0] << ": no output given (-o)\n";
        return std::nullopt;
    }
    return a;
}

std::string depthText(int bits) {
    return std::to_string(bits) + (bits == 1 ? " bit" : " bits");
}

std::string kindsText(const std::map<std::string, int>& kinds) {
    std::string s;
    for (const auto& [kind, n] : kinds)
        s += (s.empty() ? "" : ", ") + kind + " " + std::to_string(n);
    return s.empty() ? "" : " (" + s + ")";
}

void printProblems(const std::vector<Problem>& problems, std::ostream& out) {
    for (const Problem& p : problems)
        out << "  " << (p.severity == Problem::Severity::Error ? "error: " : "warning: ") << p.text << "\n";
}

int build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto a = parse(args, true, true, err);
    if (!a)
        return 2;
    skin::SkinPackage package;
    if (!skin::SkinPackage::buildFromSkinIni(a->input, package)) {
        err << "skinpack: " << a->input
            << " is not a skin ini: one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], "
               "[SKINCONTROLS] is missing or empty\n";
        return 1;
    }
    std::vector<uint8_t> zlibData = package.compress();
    std::vector<uint8_t> bytes = zlibData;
    if (!a->raw) {
        core::MemoryStream file;
        skin::writeCompressedSkinFile(file, zlibData);
        bytes = file.takeBytes();
    }
    core::writeFileBytes(a->output, bytes);
    out << "wrote " << a->output << ": " << bytes.size() << " bytes ("
        << (a->raw ? "zlib stream" : "compressed skin file") << "), "
        << (!package.picture.empty()) + (!package.inactivePicture.empty()) + (!package.mask.empty()) +
               package.activePictures.size()
        << " bitmaps, " << skin::splitTextLines(package.iniText).size() << " ini lines\n";
    return 0;
}

int info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto a = parse(args, false, false, err);
    if (!a)
        return 2;
    Inspection r = inspect(core::readFileBytes(a->input));
    out << a->input << ": " << r.container;
    if (r.container == "compressed skin file")
        out << ", version " << r.fileVersion;
    out << "\n";
    if (r.package) {
        out << "zlib data " << r.zlibSize << " bytes, package " << r.packageSize << " bytes, version "
            << r.package->version << "\n";
        for (const PictureInfo& p : r.pictures) {
            out << "  " << std::left << std::setw(18) << p.role;
            if (p.fileSize == 0)
                out << "none";
            else
                out << p.width << " x " << p.height << ", " << depthText(p.bitsPerPixel) << ", " << p.fileSize
                    << " bytes";
            if (!p.name.empty())
                out << "  " << p.name;
            out << "\n";
        }
        out << "skin ini: " << r.iniLines << " lines, " << r.iniSections << " sections";
        if (!r.skinName.empty())
            out << "; \"" << r.skinName << "\"" << (r.skinAuthor.empty() ? "" : " by " + r.skinAuthor);
        out << "\n";
        out << "object records: " << r.objectRecords << kindsText(r.objectKinds) << "\n";
        out << "control records: " << r.controlRecords << kindsText(r.controlKinds) << "\n";
    }
    if (r.problems.empty()) {
        out << "problems: none\n";
    } else {
        out << "problems:\n";
        printProblems(r.problems, out);
    }
    return r.hasErrors() ? 1 : 0;
}

int extract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto a = parse(args, false, true, err);
    if (!a)
        return 2;
    Inspection r = inspect(core::readFileBytes(a->input));
    if (!r.package) {
        err << "skinpack: cannot extract " << a->input << ":\n";
        printProblems(r.problems, err);
        return 1;
    }
    std::vector<Problem> obstacles = extractionObstacles(*r.package);
    bool blocked = false;
    for (const Problem& p : obstacles)
        blocked |= p.severity == Problem::Severity::Error;
    if (blocked) {
        err << "skinpack: " << a->input << " cannot be extracted into files that build back into it:\n";
        printProblems(obstacles, err);
        return 1;
    }

    const fs::path dir = pathOf(a->output);
    fs::create_directories(dir);
    auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        fs::path path = dir / pathOf(*safeRelativePath(name));
        fs::create_directories(path.parent_path());
        core::writeFileBytes(utf8Of(path), bytes);
        out << "  " << utf8Of(path) << "\n";
    };
    out << "extracting " << a->input << " into " << a->output << ":\n";
    write("skin.ini", r.package->iniText);
    for (size_t i = 0; i < r.pictures.size(); ++i) {
        if (r.pictures[i].fileSize == 0)
            continue;
        write(r.pictures[i].name, pictureBytes(*r.package, i));
    }
    if (!obstacles.empty())
        printProblems(obstacles, out);
    return 0;
}

int verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto a = parse(args, false, false, err);
    if (!a)
        return 2;
    Inspection r = inspect(core::readFileBytes(a->input));
    printProblems(r.problems, r.hasErrors() ? err : out);
    if (r.hasErrors()) {
        err << a->input << ": FAILED\n";
        return 1;
    }
    out << a->input << ": OK (" << r.package->activePictures.size() << " active pictures, " << r.objectRecords
        << " object and " << r.controlRecords << " control records)\n";
    return 0;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << usage;
        return 2;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h") {
        out << usage;
        return 0;
    }
    if (command == "render")
        return runRenderCommand(std::vector<std::string>(args.begin() + 1, args.end()));
    try {
        if (command == "build")
            return build(args, out, err);
        if (command == "info")
            return info(args, out, err);
        if (command == "extract")
            return extract(args, out, err);
        if (command == "verify")
            return verify(args, out, err);
    } catch (const core::Error& e) {
        err << "skinpack: " << e.what() << "\n";
        return 1;
    } catch (const fs::filesystem_error& e) {
        err << "skinpack: " << e.what() << "\n";
        return 1;
    }
    err << "skinpack: unknown command \"" << command << "\"\n" << usage;
    return 2;
}

} // namespace skinpack
