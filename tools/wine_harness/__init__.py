"""Runs the real launcher under Wine and Xvfb for the end-to-end tests."""
