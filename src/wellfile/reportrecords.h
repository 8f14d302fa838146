#pragma once
// The report records of a well, stored whole in the well's side files:
//  ".rpt"  daily drilling reports: REPORTEX (1,600 bytes); older files hold REPORT (1,264 bytes)
//  ".sho"  show reports: SHOWREPORT (1,320 bytes); older files hold 1,049-byte records
//  ".dst"  drill-stem tests: DSTREPORT (1,688 bytes); older files hold 1,446-byte records
//  ".qpt"  short reports: QREPORT (512 bytes)
// Packed little-endian byte images; text fields are Windows-1252, NUL-terminated within their width.
// Bytes no routine interprets are kept as arrays and written back unchanged.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kReportSize = 1600;
constexpr int kOldReportSize = 1264;
constexpr int kShowSize = 1320;
constexpr int kOldShowSize = 1049;
constexpr int kDstSize = 1688;
constexpr int kOldDstSize = 1446;
constexpr int kShortReportSize = 512;

#pragma pack(push, 1)
// One daily drilling report.
struct REPORTEX {
    std::int32_t number = 0;            //    0 report number, 1-based in file order
    char date[30] = {};                 //    4 "%2d-%d-%4d" (month, day, year)
    char time[20] = {};                 //   34 "%2d:%02d %s"
    float depth = 0;                    //   54 report depth
    char presentOperations[80] = {};    //   58
    float footage = 0;                  //  138 footage since the previous report
    char averageRop[30] = {};           //  142
    float oldLagMinutes = 0;            //  172 carried over from a converted REPORT
    char survey[80] = {};               //  176
    char formation[80] = {};            //  256
    char nextTop[100] = {};             //  336
    std::int32_t dayNumber = 0;         //  436
    std::int32_t daysLogging = 0;       //  440
    std::int32_t estimatedTd = 0;       //  444
    char unitPhone[20] = {};            //  448
    float hoursOnBottom = 0;            //  468
    float backgroundGas[7] = {};        //  472
    std::uint8_t zero500[4] = {};       //  500
    float formationGas[7] = {};         //  504
    std::uint8_t zero532[4] = {};       //  532
    float connectionGas[7] = {};        //  536
    float connectionGasDepth = 0;       //  564
    float tripGas[7] = {};              //  568
    std::uint8_t zero596[4] = {};       //  596
    char lithology[2][80] = {};         //  600, 680
    char mudWeight[6] = {};             //  760
    char viscosity[6] = {};             //  766
    char ph[6] = {};                    //  772
    char filtrate[6] = {};              //  778
    char chlorides[10] = {};            //  784
    char solids[6] = {};                //  794
    char filterCake[10] = {};           //  800
    std::int32_t mudSampleDepth = 0;    //  810
    std::int32_t yieldPoint = 0;        //  814
    std::int32_t plasticViscosity = 0;  //  818
    char gels[20] = {};                 //  822
    char hthpFiltrate[20] = {};         //  842
    float pm = 0;                       //  862
    float pf = 0;                       //  866
    float mf = 0;                       //  870
    char calcium[10] = {};              //  874
    float sand = 0;                     //  884
    float oil = 0;                      //  888
    float water = 0;                    //  892
    char oilWaterRatio[10] = {};        //  896
    float electricalStability = 0;      //  906
    float calciumChloride = 0;          //  910
    float salt = 0;                     //  914
    float excessLime = 0;               //  918
    float lostCirculation = 0;          //  922
    float dailyCost = 0;                //  926
    float totalCost = 0;                //  930
    char weightOnBit[10] = {};          //  934
    std::uint16_t rpm = 0;              //  944
    std::uint16_t spm = 0;              //  946
    std::uint16_t pumpPressure = 0;     //  948
    char comments[5][100] = {};         //  950 .. 1350
    std::int32_t formationGasDepth = 0; // 1450
    char flare[4][10] = {};             // 1454
    std::int32_t gasSource[4] = {};     // 1494
    char chokes[4][10] = {};            // 1510
    float lag = 0;                      // 1550 minutes when 500 or less, pump strokes above
    std::uint8_t zero1554[46] = {};     // 1554
};

// The older daily report; only the fields below have a known meaning.
struct REPORT {
    std::uint8_t unknown0[210] = {};    //    0
    std::uint16_t number = 0;           //  210
    std::uint8_t unknown212[2] = {};    //  212
    char date[30] = {};                 //  214
    char time[20] = {};                 //  244
    std::uint16_t depth = 0;            //  264
    char presentOperations[80] = {};    //  266
    char averageRop[80] = {};           //  346
    std::uint16_t footage = 0;          //  426
    char lithology[2][80] = {};         //  428, 508
    char formation[80] = {};            //  588
    char nextTop[80] = {};              //  668
    std::uint16_t backgroundGas[6] = {};   //  748
    std::uint16_t formationGas[6] = {};    //  760
    std::uint16_t connectionGas[6] = {};   //  772
    std::uint16_t tripGas[6] = {};         //  784
    std::uint16_t lagMinutes = 0;       //  796
    char survey[80] = {};               //  798
    char mudWeight[6] = {};             //  878
    char viscosity[6] = {};             //  884
    char ph[6] = {};                    //  890
    char filtrate[6] = {};              //  896
    char chlorides[10] = {};            //  902
    char solids[6] = {};                //  912
    char filterCake[10] = {};           //  918
    char weightOnBit[10] = {};          //  928
    std::uint16_t rpm = 0;              //  938
    std::uint16_t spm = 0;              //  940
    std::uint16_t pumpPressure = 0;     //  942
    char comments[3][80] = {};          //  944, 1024, 1104
    std::uint8_t unknown1184[6] = {};   // 1184
    float lag = 0;                      // 1190
    std::uint8_t unknown1194[70] = {};  // 1194
};

// One show report.
struct SHOWREPORT {
    char company[80] = {};              //    0
    char well[80] = {};                 //   80
    std::uint16_t number = 0;           //  160 1-based position in the file
    char interval[30] = {};             //  162 " %5d to %5d"
    char ropAbove[30] = {};             //  192
    char ropDuring[30] = {};            //  222
    char ropAfter[30] = {};             //  252
    char gasAbove[6][10] = {};          //  282
    char gasDuring[6][10] = {};         //  342
    char gasAfter[6][10] = {};          //  402
    char porosity[80] = {};             //  462
    char fluorescence[80] = {};         //  542
    char cut[80] = {};                  //  622
    char formation[80] = {};            //  702
    char lithology[30] = {};            //  782
    char description[4][35] = {};       //  812
    char comments[3][80] = {};          //  952
    char gasAboveC5[10] = {};           // 1192
    char gasDuringC5[10] = {};          // 1202
    char gasAfterC5[10] = {};           // 1212
    std::uint8_t reserved1222[98] = {}; // 1222
};

// The older show report: gas as numbers, three description lines, no C5 column.
struct OLDSHOWREPORT {
    char company[80] = {};              //    0
    char well[80] = {};                 //   80
    std::uint16_t number = 0;           //  160
    char interval[30] = {};             //  162
    char ropAbove[30] = {};             //  192
    char ropDuring[30] = {};            //  222
    char ropAfter[30] = {};             //  252
    std::uint16_t gasAbove[6] = {};     //  282
    std::uint16_t gasDuring[6] = {};    //  294
    std::uint16_t gasAfter[6] = {};     //  306
    char porosity[80] = {};             //  318
    char fluorescence[80] = {};         //  398
    char cut[80] = {};                  //  478
    char formation[80] = {};            //  558
    char lithology[30] = {};            //  638
    char description[3][35] = {};       //  668
    std::uint8_t unknown773[35] = {};   //  773 not carried over
    char comments[3][80] = {};          //  808
    std::uint8_t unknown1048 = 0;       // 1048
};

// One drill-stem test; every field is text.
struct DSTREPORT {
    char number[80] = {};               //    0
    char fromDepth[80] = {};            //   80 empty ends a list
    char toDepth[80] = {};              //  160
    char formation[80] = {};            //  240
    char initialHydrostatic[80] = {};   //  320
    char initialFlow[81] = {};          //  400
    char initialFlowTime[80] = {};      //  481
    char initialShutIn[80] = {};        //  561
    char initialShutInTime[80] = {};    //  641
    char finalFlow[81] = {};            //  721
    char finalFlowTime[80] = {};        //  802
    char finalShutIn[80] = {};          //  882
    char finalShutInTime[80] = {};      //  962
    char finalHydrostatic[80] = {};     // 1042
    char drillPipeRecovery1[81] = {};   // 1122
    char drillPipeRecovery2[81] = {};   // 1203
    char samplerRecovery1[81] = {};     // 1284
    char samplerRecovery2[81] = {};     // 1365
    char comment1[80] = {};             // 1446
    char comment2[81] = {};             // 1526
    char comment3[81] = {};             // 1607
};
// The older drill-stem test: no formation and one line each of drill pipe and sampler recovery.
struct OLDDSTREPORT {
    char number[80] = {};               //    0
    char fromDepth[80] = {};            //   80
    char toDepth[80] = {};              //  160
    char initialHydrostatic[80] = {};   //  240
    char initialFlow[81] = {};          //  320
    char initialFlowTime[80] = {};      //  401
    char initialShutIn[80] = {};        //  481
    char initialShutInTime[80] = {};    //  561
    char finalFlow[81] = {};            //  641
    char finalFlowTime[80] = {};        //  722
    char finalShutIn[80] = {};          //  802
    char finalShutInTime[80] = {};      //  882
    char finalHydrostatic[80] = {};     //  962
    char drillPipeRecovery[81] = {};    // 1042
    char samplerRecovery[81] = {};      // 1123
    char comment1[80] = {};             // 1204
    char comment2[81] = {};             // 1284
    char comment3[81] = {};             // 1365
};

// One short report: drilling (mechanical) and mud values tied to one depth, which the log shows as up to
// two boxes beside the tracks. Value fields hold what was typed (at most width - 1 characters).
struct QREPORT {
    std::int32_t number = 0;            //   0 1-based place in the file after every save
    std::int32_t depth = 0;             //   4 report depth
    std::int32_t type = 0;              //   8 0 mechanical and mud, 1 mud only, 2 mechanical only
    char wob[10] = {};                  //  12
    char rpm[10] = {};                  //  22
    char pumpPressure[10] = {};         //  32
    char spm[10] = {};                  //  42
    char weightOut[10] = {};            //  52
    char vis[10] = {};                  //  62
    char ph[10] = {};                   //  72
    char filtrate[10] = {};             //  82
    char chlorides[10] = {};            //  92
    char solids[10] = {};               // 102
    char filterCake[10] = {};           // 112
    char yp[10] = {};                   // 122
    char pv[10] = {};                   // 132
    char mudCustom1[20] = {};           // 142
    char mudCustom2[20] = {};           // 162
    std::int32_t mechanicalSlot = 0;    // 182 memo column slot of the mechanical box, 0 the log's left edge
    std::int32_t mudSlot = 0;           // 186 memo column slot of the mud box
    std::uint32_t mechanicalText = 0;   // 190 COLORREF
    std::uint32_t mudText = 0;          // 194 COLORREF
    std::int32_t reserved198 = 0;       // 198 written as 1 by the dialog
    std::int32_t reserved202 = 0;       // 202 written as 1 by the dialog
    std::uint8_t mechanicalFrame = 0;   // 206 a rectangle around the mechanical box
    std::uint8_t mudFrame = 0;          // 207
    std::uint8_t mechanicalOneInch = 0;  // 208 drawn on the one-inch log
    std::uint8_t mudOneInch = 0;        // 209
    char mmrpm[12] = {};                // 210 shown as "MRPM"
    char mudCustom3[20] = {};           // 222
    char mudCustom4[20] = {};           // 242
    std::uint8_t mechanicalToHorz = 0;  // 262 sent to the horizontal view on save
    std::uint8_t mudToHorz = 0;         // 263
    char weightIn[10] = {};             // 264
    std::int32_t mechanicalOffset = 0;  // 274 x of the mechanical box within its slot, screen pixels
    std::int32_t mudOffset = 0;         // 278
    char mechanicalCustom1[20] = {};    // 282
    char mechanicalCustom2[20] = {};    // 302
    std::uint32_t mechanicalBack = 0;   // 322 COLORREF, 0 none
    std::uint32_t mudBack = 0;          // 326
    std::uint8_t slotsConverted = 0;    // 330 the slot numbers have been converted once
    std::uint8_t reserved331[181] = {};  // 331
};
#pragma pack(pop)

static_assert(sizeof(REPORTEX) == kReportSize);
static_assert(sizeof(REPORT) == kOldReportSize);
static_assert(sizeof(SHOWREPORT) == kShowSize);
static_assert(sizeof(DSTREPORT) == kDstSize);
static_assert(sizeof(QREPORT) == kShortReportSize);
static_assert(sizeof(OLDSHOWREPORT) == kOldShowSize);
static_assert(sizeof(OLDDSTREPORT) == kOldDstSize);
static_assert(std::is_trivially_copyable_v<REPORTEX> && std::is_standard_layout_v<REPORTEX>);
static_assert(std::is_trivially_copyable_v<REPORT> && std::is_standard_layout_v<REPORT>);
static_assert(std::is_trivially_copyable_v<SHOWREPORT> && std::is_standard_layout_v<SHOWREPORT>);
static_assert(std::is_trivially_copyable_v<DSTREPORT> && std::is_standard_layout_v<DSTREPORT>);
static_assert(std::is_trivially_copyable_v<QREPORT> && std::is_standard_layout_v<QREPORT>);
static_assert(std::is_trivially_copyable_v<OLDSHOWREPORT> && std::is_trivially_copyable_v<OLDDSTREPORT>);

#define STRATIVM_AT(type, field, offset) static_assert(offsetof(type, field) == (offset), #type "." #field)
STRATIVM_AT(REPORTEX, date, 4);
STRATIVM_AT(REPORTEX, time, 34);
STRATIVM_AT(REPORTEX, depth, 54);
STRATIVM_AT(REPORTEX, presentOperations, 58);
STRATIVM_AT(REPORTEX, footage, 138);
STRATIVM_AT(REPORTEX, averageRop, 142);
STRATIVM_AT(REPORTEX, oldLagMinutes, 172);
STRATIVM_AT(REPORTEX, survey, 176);
STRATIVM_AT(REPORTEX, formation, 256);
STRATIVM_AT(REPORTEX, nextTop, 336);
STRATIVM_AT(REPORTEX, dayNumber, 436);
STRATIVM_AT(REPORTEX, unitPhone, 448);
STRATIVM_AT(REPORTEX, hoursOnBottom, 468);
STRATIVM_AT(REPORTEX, backgroundGas, 472);
STRATIVM_AT(REPORTEX, formationGas, 504);
STRATIVM_AT(REPORTEX, connectionGas, 536);
STRATIVM_AT(REPORTEX, connectionGasDepth, 564);
STRATIVM_AT(REPORTEX, tripGas, 568);
STRATIVM_AT(REPORTEX, lithology, 600);
STRATIVM_AT(REPORTEX, lithology[1], 680);
STRATIVM_AT(REPORTEX, mudWeight, 760);
STRATIVM_AT(REPORTEX, chlorides, 784);
STRATIVM_AT(REPORTEX, filterCake, 800);
STRATIVM_AT(REPORTEX, mudSampleDepth, 810);
STRATIVM_AT(REPORTEX, gels, 822);
STRATIVM_AT(REPORTEX, hthpFiltrate, 842);
STRATIVM_AT(REPORTEX, pm, 862);
STRATIVM_AT(REPORTEX, calcium, 874);
STRATIVM_AT(REPORTEX, sand, 884);
STRATIVM_AT(REPORTEX, oilWaterRatio, 896);
STRATIVM_AT(REPORTEX, electricalStability, 906);
STRATIVM_AT(REPORTEX, totalCost, 930);
STRATIVM_AT(REPORTEX, weightOnBit, 934);
STRATIVM_AT(REPORTEX, rpm, 944);
STRATIVM_AT(REPORTEX, spm, 946);
STRATIVM_AT(REPORTEX, pumpPressure, 948);
STRATIVM_AT(REPORTEX, comments, 950);
STRATIVM_AT(REPORTEX, comments[4], 1350);
STRATIVM_AT(REPORTEX, formationGasDepth, 1450);
STRATIVM_AT(REPORTEX, flare, 1454);
STRATIVM_AT(REPORTEX, gasSource, 1494);
STRATIVM_AT(REPORTEX, chokes, 1510);
STRATIVM_AT(REPORTEX, lag, 1550);
STRATIVM_AT(REPORTEX, zero1554, 1554);

STRATIVM_AT(REPORT, number, 210);
STRATIVM_AT(REPORT, date, 214);
STRATIVM_AT(REPORT, time, 244);
STRATIVM_AT(REPORT, depth, 264);
STRATIVM_AT(REPORT, presentOperations, 266);
STRATIVM_AT(REPORT, averageRop, 346);
STRATIVM_AT(REPORT, footage, 426);
STRATIVM_AT(REPORT, lithology, 428);
STRATIVM_AT(REPORT, lithology[1], 508);
STRATIVM_AT(REPORT, formation, 588);
STRATIVM_AT(REPORT, nextTop, 668);
STRATIVM_AT(REPORT, backgroundGas, 748);
STRATIVM_AT(REPORT, formationGas, 760);
STRATIVM_AT(REPORT, connectionGas, 772);
STRATIVM_AT(REPORT, tripGas, 784);
STRATIVM_AT(REPORT, lagMinutes, 796);
STRATIVM_AT(REPORT, survey, 798);
STRATIVM_AT(REPORT, mudWeight, 878);
STRATIVM_AT(REPORT, chlorides, 902);
STRATIVM_AT(REPORT, solids, 912);
STRATIVM_AT(REPORT, filterCake, 918);
STRATIVM_AT(REPORT, weightOnBit, 928);
STRATIVM_AT(REPORT, rpm, 938);
STRATIVM_AT(REPORT, pumpPressure, 942);
STRATIVM_AT(REPORT, comments, 944);
STRATIVM_AT(REPORT, comments[2], 1104);
STRATIVM_AT(REPORT, lag, 1190);

STRATIVM_AT(SHOWREPORT, number, 160);
STRATIVM_AT(SHOWREPORT, interval, 162);
STRATIVM_AT(SHOWREPORT, ropAbove, 192);
STRATIVM_AT(SHOWREPORT, ropAfter, 252);
STRATIVM_AT(SHOWREPORT, gasAbove, 282);
STRATIVM_AT(SHOWREPORT, gasDuring, 342);
STRATIVM_AT(SHOWREPORT, gasAfter, 402);
STRATIVM_AT(SHOWREPORT, porosity, 462);
STRATIVM_AT(SHOWREPORT, fluorescence, 542);
STRATIVM_AT(SHOWREPORT, cut, 622);
STRATIVM_AT(SHOWREPORT, formation, 702);
STRATIVM_AT(SHOWREPORT, lithology, 782);
STRATIVM_AT(SHOWREPORT, description, 812);
STRATIVM_AT(SHOWREPORT, description[3], 917);
STRATIVM_AT(SHOWREPORT, comments, 952);
STRATIVM_AT(SHOWREPORT, comments[2], 1112);
STRATIVM_AT(SHOWREPORT, gasAboveC5, 1192);
STRATIVM_AT(SHOWREPORT, gasAfterC5, 1212);
STRATIVM_AT(SHOWREPORT, reserved1222, 1222);

STRATIVM_AT(DSTREPORT, fromDepth, 80);
STRATIVM_AT(DSTREPORT, toDepth, 160);
STRATIVM_AT(DSTREPORT, formation, 240);
STRATIVM_AT(DSTREPORT, initialHydrostatic, 320);
STRATIVM_AT(DSTREPORT, initialFlow, 400);
STRATIVM_AT(DSTREPORT, initialFlowTime, 481);
STRATIVM_AT(DSTREPORT, initialShutIn, 561);
STRATIVM_AT(DSTREPORT, initialShutInTime, 641);
STRATIVM_AT(DSTREPORT, finalFlow, 721);
STRATIVM_AT(DSTREPORT, finalFlowTime, 802);
STRATIVM_AT(DSTREPORT, finalShutIn, 882);
STRATIVM_AT(DSTREPORT, finalShutInTime, 962);
STRATIVM_AT(DSTREPORT, finalHydrostatic, 1042);
STRATIVM_AT(DSTREPORT, drillPipeRecovery1, 1122);
STRATIVM_AT(DSTREPORT, drillPipeRecovery2, 1203);
STRATIVM_AT(DSTREPORT, samplerRecovery1, 1284);
STRATIVM_AT(DSTREPORT, samplerRecovery2, 1365);
STRATIVM_AT(DSTREPORT, comment1, 1446);
STRATIVM_AT(DSTREPORT, comment2, 1526);
STRATIVM_AT(DSTREPORT, comment3, 1607);
STRATIVM_AT(QREPORT, number, 0);
STRATIVM_AT(QREPORT, depth, 4);
STRATIVM_AT(QREPORT, type, 8);
STRATIVM_AT(QREPORT, mudCustom2, 162);
STRATIVM_AT(QREPORT, mechanicalSlot, 182);
STRATIVM_AT(QREPORT, mudSlot, 186);
STRATIVM_AT(QREPORT, mechanicalFrame, 206);
STRATIVM_AT(QREPORT, mmrpm, 210);
STRATIVM_AT(QREPORT, weightIn, 264);
STRATIVM_AT(QREPORT, mechanicalOffset, 274);
STRATIVM_AT(QREPORT, mudOffset, 278);
STRATIVM_AT(QREPORT, mechanicalBack, 322);
STRATIVM_AT(QREPORT, slotsConverted, 330);

STRATIVM_AT(OLDSHOWREPORT, gasAbove, 282);
STRATIVM_AT(OLDSHOWREPORT, gasAfter, 306);
STRATIVM_AT(OLDSHOWREPORT, porosity, 318);
STRATIVM_AT(OLDSHOWREPORT, lithology, 638);
STRATIVM_AT(OLDSHOWREPORT, description, 668);
STRATIVM_AT(OLDSHOWREPORT, comments, 808);
STRATIVM_AT(OLDSHOWREPORT, comments[2], 968);

STRATIVM_AT(OLDDSTREPORT, initialHydrostatic, 240);
STRATIVM_AT(OLDDSTREPORT, initialFlowTime, 401);
STRATIVM_AT(OLDDSTREPORT, finalFlow, 641);
STRATIVM_AT(OLDDSTREPORT, finalFlowTime, 722);
STRATIVM_AT(OLDDSTREPORT, finalHydrostatic, 962);
STRATIVM_AT(OLDDSTREPORT, drillPipeRecovery, 1042);
STRATIVM_AT(OLDDSTREPORT, samplerRecovery, 1123);
STRATIVM_AT(OLDDSTREPORT, comment1, 1204);
STRATIVM_AT(OLDDSTREPORT, comment2, 1284);
STRATIVM_AT(OLDDSTREPORT, comment3, 1365);
#undef STRATIVM_AT

}  // namespace wellfile
