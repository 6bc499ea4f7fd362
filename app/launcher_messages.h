// The launcher's messages that are not in its string table.
#pragma once

const char kPolishEditionInstalled[] =
    "There is already polish version of Brellix Quenfold installed on this system. Please use polish version of a "
    "setup program to update the product.";

const char kTempFolderNotFound[] =
    "The Installer could not write the installation package because the temporary folder could not be "
    "determined.\n\nMake sure that the TEMP variable names an existing folder and retry.";

// %s: the package path.
const char kPackageNotWritten[] =
    "The Installer could not write the installation package %s.\n\nMake sure that the temporary folder exists and "
    "can be written to, close any program that uses the package, and retry.";

// %s: the package path.
const char kInstallerNotStarted[] =
    "The Installer could not start Windows Installer for the package %s.\n\nMake sure that Windows Installer is "
    "available on this system and retry.";
