// scolivet-tds-sim: a simulated oscilloscope on a pseudo-terminal. Prints the
// device path to open as the serial port, then answers until interrupted.
#include "TdsSimulator.h"
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

const char *const usage =
    "Usage : scolivet-tds-sim [options]\n"
    "Simule un oscilloscope sur un pseudo-terminal et affiche le chemin du port.\n"
    "  --model TEXTE      modèle (\"TDS 210\", \"TDS 220\" ; \"TDS 224\" : 4 voies)\n"
    "  --firmware V       version du micrologiciel (2.03 ; 1.16 : ancien format)\n"
    "  --displayed LISTE  sources affichées parmi 1234MAB (défaut 12)\n"
    "  --xy               affichage XY\n"
    "  --stopped          acquisition arrêtée\n"
    "  --points N         nombre de points annoncé (2500)\n"
    "  --ymult TEXTE      multiplicateur Y du préambule (8.0E-2)\n"
    "  --yoff TEXTE       code du niveau zéro des voies (1.28E2 : centre de l'écran)\n"
    "  --yunit TEXTE      unité Y (Volts ; U : inconnue)\n"
    "  --xunit TEXTE      unité X (s ; Hz : spectre)\n"
    "  --chunk N          réponses envoyées par morceaux de N octets\n"
    "  --baud N           débit simulé (9600 : vitesse de la liaison)\n"
    "  --fault NOM        silent, garbage, bad-field, endless, hang-on-curve, long-block,\n"
    "                     unplugged (la liaison se ferme au milieu de la première courbe)\n";

TdsSimulator *running = nullptr;

void Interrupted(int)
{
    if (running)
        running->Stop();
}

bool ParseFault(const std::string &name, TdsFault &fault)
{
    const std::pair<const char *, TdsFault> faults[] = {
        {"silent", TdsFault::Silent},           {"garbage", TdsFault::Garbage},
        {"bad-field", TdsFault::BadField},      {"endless", TdsFault::Endless},
        {"hang-on-curve", TdsFault::HangOnCurve}, {"long-block", TdsFault::LongBlock},
        {"unplugged", TdsFault::Unplugged},
    };
    for (const auto &[text, value] : faults) {
        if (name == text) {
            fault = value;
            return true;
        }
    }
    return false;
}

bool ParseOption(const std::string &option, const char *value, TdsSimOptions &o)
{
    if (!value)
        return false;
    if (option == "--model")
        o.Model = value;
    else if (option == "--firmware")
        o.Firmware = value;
    else if (option == "--displayed")
        o.Displayed = value;
    else if (option == "--points")
        o.Points = std::atoi(value);
    else if (option == "--ymult")
        o.YMult = value;
    else if (option == "--yoff")
        o.YOff = value;
    else if (option == "--yunit")
        o.YUnit = value;
    else if (option == "--xunit")
        o.XUnit = value;
    else if (option == "--chunk")
        o.Chunk = std::atoi(value);
    else if (option == "--baud")
        o.Baud = std::atoi(value);
    else if (option == "--fault")
        return ParseFault(value, o.Fault);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    TdsSimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--xy")
            options.XY = true;
        else if (option == "--stopped")
            options.Stopped = true;
        else if (!ParseOption(option, i + 1 < argc ? argv[i + 1] : nullptr, options)) {
            std::fputs(usage, option == "--help" ? stdout : stderr);
            return option == "--help" ? 0 : 2;
        } else
            ++i;
    }
    TdsSimulator simulator(options);
    if (!simulator.Open()) {
        std::fprintf(stderr, "Impossible de créer le pseudo-terminal : %s\n",
                     simulator.Error().c_str());
        return 1;
    }
    std::printf("%s\n", simulator.DevicePath().c_str());
    std::fflush(stdout);
    running = &simulator;
    std::signal(SIGINT, Interrupted);
    std::signal(SIGTERM, Interrupted);
    simulator.Run();
    return 0;
}
