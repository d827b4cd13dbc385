#pragma once

// Every setting of the tip generator at one moment, read from the controls of
// the "Berechnung" tab (and the row count beside the start button). Defaults
// are the design values of those controls. The control each field comes from
// is named beside it, because settings and language files address controls
// by those names.
struct GenerationParams {
    bool operator==(const GenerationParams&) const = default;

    // Rows to fill (`UpDown8`, "Lottotipp" tab; the window fills it in).
    int rowCount = 12;

    // ---- Statistisch: preferences that add pool entries ----
    bool preferFrequent = false;       // CheckBox2
    int frequentPercent = 30;          // UpDown12 (Edit85), 5..75
    bool preferRare = true;            // CheckBox14
    int rarePercent = 20;              // UpDown14 (Edit87), 5..75
    bool preferOverdue = true;         // CheckBox10
    int overduePercent = 30;           // UpDown13 (Edit86), 5..75
    bool preferFrequentPairs = false;  // CheckBox1
    bool preferRarePairs = false;      // CheckBox11
    bool preferFrequentTriples = false;// CheckBox6
    bool preferRareTriples = false;    // CheckBox12
    bool preferFrequentQuads = false;  // CheckBox7
    bool preferRareQuads = false;      // CheckBox13
    bool preferNeighbours = false;     // CheckBox19
    bool avoidMonthNumbers = false;    // CheckBox29: remove entries 1..12
    bool weakenDateNumbers = false;    // CheckBox30: remove one entry of each 1..31

    // ---- Schein Optimierung: checks against other rows and past draws ----
    bool overlapCeilingOn = true;      // CheckBox3
    int overlapCeiling = 2;            // UpDown3 (Edit39), 0..5
    bool overlapFloorOn = true;        // CheckBox24
    int overlapFloor = 0;              // UpDown9 (Edit88), 0..5
    bool overlapEachRow = false;       // CheckBox27
    bool limitLastDraw = true;         // CheckBox4
    int lastDrawLimit = 0;             // UpDown4 (Edit40), 0..5
    bool limitSecondLastDraw = true;   // CheckBox5
    int secondLastDrawLimit = 1;       // UpDown5 (Edit41), 0..5
    bool limitThirdLastDraw = true;    // CheckBox23
    int thirdLastDrawLimit = 2;        // UpDown11 (Edit84), 0..5
    bool rejectDatabaseHits = true;    // CheckBox9
    int databaseHitCount = 5;          // UpDown6 (Edit42), 4..6
    bool rejectRecentHits = true;      // CheckBox28
    int recentHitCount = 3;            // UpDown17 (Edit91), 2..6
    int recentDraws = 10;              // UpDown18 (Edit92), 4..500
    bool rejectRecentHits2 = true;     // CheckBox34
    int recentHitCount2 = 4;           // UpDown20 (Edit94), 2..6
    int recentDraws2 = 100;            // UpDown21 (Edit95), 4..500
    bool bonusCountsAsHit = true;      // CheckBox35

    // ---- Mathematisch: conditions on every row ----
    int crossSumMin = 50;              // UpDown1 (Edit37), 21..279
    int crossSumMax = 250;             // UpDown2 (Edit38), 21..279, inclusive
    bool minPrimesOn = false;          // CheckBox22
    int minPrimes = 2;                 // UpDown10 (Edit83), 0..6
    bool minEvenOn = false;            // CheckBox25
    int minEven = 2;                   // UpDown15 (Edit89), 0..6
    bool minOddOn = false;             // CheckBox26
    int minOdd = 2;                    // UpDown16 (Edit90), 0..6
    bool forcePair = false;            // CheckBox8
    bool noTriples = true;             // CheckBox18

    // ---- Allgemein ----
    bool onlyPreferred = false;        // CheckBox15
    bool editPool = false;             // CheckBox20: show the pool in the weighting dialog
    int runLimitThousands = 50;        // UpDown7 (Edit55), 1..30000
};
