// Writes the program's songs and card sound:
//   briscola-musica <folder>   ->  <folder>/music/*.MID and <folder>/carta.wav
#include "Compositore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path cartella(argv[1]);
    std::error_code errore;
    fs::create_directories(cartella / "music", errore);
    auto scrivi = [](const fs::path &percorso, const std::vector<std::uint8_t> &dati) {
        std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char *>(dati.data()), std::streamsize(dati.size()));
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", percorso.string().c_str());
            return false;
        }
        return true;
    };
    bool ok = true;
    for (const auto &brano : orvento::musica::componiTutti())
        ok &= scrivi(cartella / "music" / brano.file, brano.dati);
    ok &= scrivi(cartella / "carta.wav", orvento::musica::suonoCarta());
    return ok ? 0 : 1;
}
