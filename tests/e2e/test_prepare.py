"""Makes this run's base Wine prefix (the e2e tests' CTest fixture)."""
import unittest

from wine_harness.prefix import create_base


class PreparePrefix(unittest.TestCase):
    def test_base_prefix_boots(self):
        create_base()


if __name__ == "__main__":
    unittest.main()
