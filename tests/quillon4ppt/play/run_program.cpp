#include "run_program.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/forms/office_profile.h"
#include "schema_check.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int shell(const std::string& command) {
    int rc = std::system(command.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

}  // namespace

fs::path freshFolder(const std::string& name) {
    fs::path dir = fs::path(testing::TempDir()) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

ProgramRun playScript(const fs::path& dir, const std::string& script, const std::string& verb,
                      const std::string& environment) {
    std::ofstream(dir / "actions.txt") << script;
    ProgramRun run;
    // The folder stands for the runtime and cache folders too, so other programs running
    // meanwhile are not seen as a second instance and keep their working files apart.
    run.status = shell("cd '" + dir.string() +
                       "' && XDG_RUNTIME_DIR=. XDG_CACHE_HOME=\"$PWD\" QUILLON_PLAY=actions.txt " +
                       "QUILLON_DECK=deck.pptx QUILLON_HOST=pptx " + environment + " '" +
                       QUILLON_PROGRAM_DIR + "/quillon4ppt' " + verb + " > out.txt 2> err.txt");
    run.out = slurp(dir / "out.txt");
    run.err = slurp(dir / "err.txt");
    if (fs::exists(dir / "deck.pptx")) {
        EXPECT_EQ(testdecks::schemaErrors((dir / "deck.pptx").string()), "") << "the deck does not validate";
    }
    return run;
}

std::string renderWords(const fs::path& deck) {
    fs::path dir = deck.parent_path();
    const fs::path profile = "/tmp/quillon-play-lo-" + std::to_string(getpid());
    forms::prepareOfficeProfile(profile);
    shell("cd '" + dir.string() + "' && soffice -env:UserInstallation=file://" + profile.string() +
          " --headless --convert-to pdf '" + deck.filename().string() + "' > /dev/null 2>&1");
    fs::path pdf = deck;
    pdf.replace_extension(".pdf");
    shell("pdftotext -bbox '" + pdf.string() + "' '" + (dir / "words.html").string() + "'");
    return slurp(dir / "words.html");
}

Page renderPage(const fs::path& pdf) {
    const fs::path stem = pdf.parent_path() / "page";
    shell("pdftoppm -r 72 -gray -singlefile '" + pdf.string() + "' '" + stem.string() + "'");
    std::istringstream in(slurp(stem.string() + ".pgm"));
    std::string magic;
    int maxValue = 0;
    Page page;
    in >> magic >> page.width >> page.height >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255) return {};
    page.pixels.resize(static_cast<std::size_t>(page.width) * page.height);
    in.read(page.pixels.data(), static_cast<std::streamsize>(page.pixels.size()));
    return page;
}

bool inkIn(const Page& page, double left, double top, double right, double bottom) {
    for (int py = static_cast<int>(top); py <= static_cast<int>(bottom); ++py)
        for (int px = static_cast<int>(left); px <= static_cast<int>(right); ++px)
            if (px >= 0 && py >= 0 && px < page.width && py < page.height &&
                static_cast<unsigned char>(page.pixels[static_cast<std::size_t>(py) * page.width + px]) < 128)
                return true;
    return false;
}

bool inkNear(const Page& page, double x, double y, int radius) {
    return inkIn(page, x - radius, y - radius, x + radius, y + radius);
}

double wordLeft(const std::string& bbox, const std::string& word, double near) {
    std::regex pattern("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
    for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), pattern); it != std::sregex_iterator();
         ++it) {
        double left = std::stod((*it)[1]);
        if (near < 0 || std::fabs(left - near) < 5) return left;
    }
    return -1;
}
