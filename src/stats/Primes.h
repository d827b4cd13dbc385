#pragma once

// The fifteen primes among the lottery numbers: 2, 3, 5, ..., 43, 47.
bool isPrimeNumber(int number);

// How many of the six numbers are primes.
int primzahlen(int Zahl1, int zahl2, int zahl3, int zahl4, int zahl5, int Zahl6);
