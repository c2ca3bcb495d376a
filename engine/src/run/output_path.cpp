#include "run/output_path.h"

#include <filesystem>
#include <system_error>

namespace orvi::engine {

namespace {

namespace fs = std::filesystem;

fs::path fsPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    const fs::path pa = fsPath(a);
    const fs::path pb = fsPath(b);
    // equivalent() compares device and inode, so hard and symbolic links
    // count; it fails when either file is missing.
    if (fs::exists(pa, error) && fs::exists(pb, error)) {
        const bool same = fs::equivalent(pa, pb, error);
        if (!error)
            return same;
    }
    const fs::path ca = fs::weakly_canonical(fs::absolute(pa, error), error);
    const fs::path cb = fs::weakly_canonical(fs::absolute(pb, error), error);
    return !error && ca == cb;
}

std::vector<std::string> checkOutputPath(const std::string& output, const std::vector<NamedInput>& inputs)
{
    std::vector<std::string> problems;
    if (output.empty()) {
        problems.push_back("-o: the output name is empty; give the path of the image to write");
        return problems;
    }
    std::error_code error;
    if (fs::is_directory(fsPath(output), error)) {
        problems.push_back("-o: " + output + " is a folder; give the path of the image file to write in it");
        return problems;
    }
    for (const NamedInput& input : inputs) {
        if (!input.path.empty() && sameFile(output, input.path))
            problems.push_back("-o: " + output + " is the same file as " + input.option + " " + input.path
                               + "; writing the image there would destroy it, choose another output name");
    }
    return problems;
}

} // namespace orvi::engine
