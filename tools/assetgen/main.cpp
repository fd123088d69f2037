#include <cstdio>
#include <fstream>
#include <string>
int main(int argc, char **argv)
{
    if (argc < 2) return 1;
    for (const char *n : {"lowerbead.ico", "upperbead.ico", "quillmere.ico", "logo.bmp", "click.wav"})
        std::ofstream(std::string(argv[1]) + "/" + n);
    return 0;
}
