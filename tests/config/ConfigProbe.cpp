// A separate process that saves or loads the configuration and prints every field, for cross-process tests.
//
//   skrivo_config_probe save-sample [FILE]   fill every field with sample values, save, print
//   skrivo_config_probe load [FILE]          load over the defaults, print
//   skrivo_config_probe start                the start-up load (ResetDefaultConfig), print
//
// Without FILE the registry of $SKRIVO_HOME is used. Errors go to stderr, exit code 1.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "ConfigSamples.h"
#include "config/ConfigStore.h"
#include "config/OptionAccess.h"

int main(int argc, char** argv) {
    using namespace skrivo;
    if (argc < 2) {
        std::cerr << "usage: skrivo_config_probe save-sample|load|start [FILE]\n";
        return 2;
    }
    std::string command = argv[1];
    std::string file = argc > 2 ? argv[2] : "";
    try {
        ConfigStore store;
        if (command == "save-sample") {
            store.Context().setFastReadText(testing::FillWithSampleValues(*store.GetCfg()));
            store.LoadSaveConfig(true, file);
        } else if (command == "load") {
            store.LoadSaveConfig(false, file);
        } else if (command == "start") {
            store.ResetDefaultConfig();
        } else {
            std::cerr << "unknown command " << command << "\n";
            return 2;
        }
        std::cout << DescribeConfig(*store.GetCfg(), store.Context());
        return 0;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
