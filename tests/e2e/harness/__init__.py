"""Drives the real program under Wine from outside, as a user would."""
