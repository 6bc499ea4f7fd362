"""Signed builds: a throwaway self-signed certificate, as a PEM pair and as
a password-protected PKCS#12 file; osslsigncode accepts each signature and
the signed launcher still runs its Wine scenarios."""
import os
import subprocess
import sys
import unittest

from configure import SOURCE, ScratchTree, cmake_build, cmake_configure

PACKAGE_X64 = os.environ["QUENFOLD_EMBEDDED_X64"]
PACKAGE_X86 = os.environ["QUENFOLD_EMBEDDED_X86"]
SCENARIOS = ["test_outlook_probe.NoOutlook", "test_deployment.Outlook32Deployment.test_fresh_install_then_reinstall",
             "test_deployment.PolishEdition"]


def run(*args, cwd=None):
    return subprocess.run(list(args), cwd=cwd, capture_output=True, text=True, check=True)


class SignedBuild(unittest.TestCase):
    def build_signed(self, tree, **signing):
        done = cmake_configure(tree / "build", QUENFOLD_PACKAGE_X64=PACKAGE_X64, QUENFOLD_PACKAGE_X86=PACKAGE_X86,
                               **signing)
        self.assertEqual(0, done.returncode, done.stderr)
        done = cmake_build(tree / "build")
        self.assertEqual(0, done.returncode, done.stdout[-3000:])
        return tree / "build" / "Q7QuenfoldSetupBootEN.exe"

    def assertVerified(self, exe, certificate):
        done = subprocess.run(["osslsigncode", "verify", "-CAfile", str(certificate), "-in", str(exe)],
                              capture_output=True, text=True)
        self.assertEqual(0, done.returncode, done.stdout + done.stderr)
        self.assertIn("Signature verification: ok", done.stdout)

    def test_signed_with_a_pem_pair_and_with_pkcs12(self):
        with ScratchTree() as tree:
            run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem", "-out",
                "cert.pem", "-days", "2", "-subj", "/CN=Brellix test signing", cwd=tree)
            (tree / "password").write_text("throwaway")
            run("openssl", "pkcs12", "-export", "-inkey", "key.pem", "-in", "cert.pem", "-out", "cert.p12",
                "-passout", "pass:throwaway", cwd=tree)

            pem = self.build_signed(tree / "pem", QUENFOLD_SIGN_CERTIFICATE=tree / "cert.pem",
                                    QUENFOLD_SIGN_KEY=tree / "key.pem")
            self.assertVerified(pem, tree / "cert.pem")
            pkcs12 = self.build_signed(tree / "p12", QUENFOLD_SIGN_CERTIFICATE=tree / "cert.p12",
                                       QUENFOLD_SIGN_PASSWORD_FILE=tree / "password")
            self.assertVerified(pkcs12, tree / "cert.pem")

            scenarios = subprocess.run([sys.executable, "-m", "unittest"] + SCENARIOS,
                                       cwd=SOURCE / "tests" / "e2e", env={**os.environ, "QUENFOLD_LAUNCHER": str(pem)},
                                       capture_output=True, text=True)
            self.assertEqual(0, scenarios.returncode, scenarios.stderr[-3000:])


if __name__ == "__main__":
    unittest.main()
