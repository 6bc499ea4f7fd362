#pragma once

#include <string>
#include <vector>

// Each command prints its findings on standard output and returns the exit code.
int ReadMessageBox(const std::vector<std::string>& args);  // box SECONDS [--save FILE.bmp]
int ListProducts(const std::vector<std::string>& args);    // products
int LocateComponent(const std::vector<std::string>& args); // component CODE
int RelatedProducts(const std::vector<std::string>& args); // related UPGRADECODE
int ShowLocale(const std::vector<std::string>& args);      // locale
int HoldFile(const std::vector<std::string>& args);        // hold PATH SECONDS
