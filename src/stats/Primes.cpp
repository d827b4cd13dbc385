#include "stats/Primes.h"

#include <initializer_list>

bool isPrimeNumber(int number)
{
    switch (number) {
    case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19:
    case 23: case 29: case 31: case 37: case 41: case 43: case 47:
        return true;
    default:
        return false;
    }
}

int primzahlen(int Zahl1, int zahl2, int zahl3, int zahl4, int zahl5, int Zahl6)
{
    int count = 0;
    for (int number : {Zahl1, zahl2, zahl3, zahl4, zahl5, Zahl6})
        count += isPrimeNumber(number) ? 1 : 0;
    return count;
}
