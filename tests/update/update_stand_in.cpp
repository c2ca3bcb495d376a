// Plays the program and the installer when the command script runs for real:
// writes "started <arguments>" to "<own name>.txt" beside itself, and fails
// with exit code 3 when its name begins with "failing".
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    const std::filesystem::path self = std::filesystem::absolute(argv[0]);
    std::ofstream out(std::filesystem::path(self).replace_extension(".txt"), std::ios::binary);
    out << "started";
    for (int i = 1; i < argc; ++i)
        out << ' ' << argv[i];
    out << '\n';
    return self.stem().string().rfind("failing", 0) == 0 ? 3 : 0;
}
