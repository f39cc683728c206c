#include "ObservationCodeLists.h"

#include "Cp932.h"

namespace selen::codes {

const CodeList& catalogue()
{
    static const CodeList list = CodeList::fromUtf8({
        "   星表・太陽系天体",
        "R  ZC星表",
        "S  SAO星表",
        "X  XZ80Q星表",
        "U  GSC , 不明な星",
        "A  小惑星",
        "P  惑星とその衛星",
    });
    return list;
}

const CodeList& phenomenon()
{
    static const CodeList list = CodeList::fromUtf8({
        "  現　象",
        "D 潜　入",
        "R 出　現",
        "B まばたき",
        "F 閃　光",
        "M 通　過",
        "S 開　始",
        "E 終　了",
        "O その他",
    });
    return list;
}

const CodeList& limb()
{
    static const CodeList list = CodeList::fromUtf8({
        " 月　縁",
        "D 暗　縁",
        "B 明　縁",
        "U 月食中",
    });
    return list;
}

const CodeList& personalEquationApplication()
{
    static const CodeList list = CodeList::fromUtf8({
        "    個人差の扱い",
        "S  個人差補正済みのデータである",
        "A  [補正済みだが、およその値である] old",
        "B  [補正済みだが、補正値が不明] old",
        "U  個人差は報告値に含められていない",
        "E  個人差が入らない観測である(Videoなど)",
        "X  どのような補正がなされたかわからない",
    });
    return list;
}

namespace {
// The methods both timing-method lists offer after their first two lines.
constexpr std::string_view kSharedMethods[] = {
    "V  ビデオ＋ﾀｲﾑｽﾀﾝﾌﾟ無し", "M  ビデオ＋再生",  "S  ストップウォッチ（眼視）",
    "T  テープレコーダ（眼視）", "E  目耳法",           "P  光電観測",
    "K  ｷｰﾀｯﾋﾟﾝｸﾞ(含PCｷｰﾎﾞｰﾄﾞ)", "X  クロノグラフ", "C  カメラと時計",
};

CodeList methodList(std::string_view first, std::string_view video, std::string_view last = {})
{
    std::vector<std::string> entries{cp932::fixed(first), cp932::fixed(video)};
    for (std::string_view method : kSharedMethods)
        entries.push_back(cp932::fixed(method));
    if (!last.empty())
        entries.push_back(cp932::fixed(last));
    return CodeList(std::move(entries));
}
}  // namespace

const CodeList& timingMethod1()
{
    static const CodeList list = methodList("    時刻測定の方法-1", "G  ビデオ＋ﾀｲﾑｲﾝｻｰﾀ, LED等");
    return list;
}

const CodeList& timingMethod2()
{
    static const CodeList list =
        methodList("    方法-2 (複数ある場合)", "G  ビデオ＋ﾀｲﾑｲﾝｻｰﾀ等", "A　付近の観測より (接食時)");
    return list;
}

const CodeList& timeSource()
{
    static const CodeList list = CodeList::fromUtf8({
        "    基準時刻信号",
        "G  GPS (ﾀｲﾑｲﾝｻｰﾀ, 1PPSのLEDや音声信号)",
        "R  ラジオの標準時刻信号 (WWV, BPMなど)",
        "N  ﾈｯﾄﾜｰｸﾌﾟﾛﾄｺﾙ (NTPなど)",
        "C  標準時に合わせた時計",
        "T  電話の時刻信号",
        "M  その他、標準時に同期された装置",
        "O  精度が高くない時刻信号 (help参照)",
    });
    return list;
}

const CodeList& certainty()
{
    static const CodeList list = CodeList::fromUtf8({
        "   現象の確実性",
        "1  現象は確かである",
        "2  やや疑わしい",
        "3  疑わしい",
    });
    return list;
}

const CodeList& doubleStarComponent()
{
    static const CodeList list = CodeList::fromUtf8({
        "    なし",
        "W 先行星(西側の星)",
        "E 後続星(東側の星)",
        "N 北側の星",
        "S 南側の星",
        "B 明るい方の星",
        "F 暗い方の星",
    });
    return list;
}

const CodeList& lightLevel()
{
    static const CodeList list = CodeList::fromUtf8({
        "    指定なし／関係しない",
        "T  25% (点光源と見なせる恒星)",
        "F  50% （視直径の大きな恒星）",
    });
    return list;
}

const CodeList& skyCondition()
{
    static const CodeList list = CodeList::fromUtf8({
        "  指定なし",
        "1  よい",
        "2  普通",
        "3  悪い",
    });
    return list;
}

const CodeList& remarks()
{
    static const CodeList list = CodeList::fromUtf8({
        "    なし",
        "1  ゆっくりした(瞬間的でない)増減光",
        "2  暗縁が見えている",
        "3  視線の中心からずれたところで起こる",
        "4  星が暗い",
        "5  薄雲を通しての観測",
        "6  雲が多い",
        "7  風が強い",
        "8  薄明中",
        "9  日中　（太陽高度が　－6°以上）",
    });
    return list;
}

const CodeList& planets()
{
    static const CodeList list = CodeList::fromUtf8(
        {
            "   惑星",
            "1000  水星",
            "2000  金星",
            "4000  火星",
            "5000  木星",
            "5001  イオ",
            "5002  ユーロパ",
            "5003  ガニメデ",
            "5004  カリスト",
            "6000  土星",
            "7000  天王星",
            "8000  海王星",
        },
        4);
    return list;
}

const CodeList& videoAnalysisUnits()
{
    static const CodeList list = CodeList::fromUtf8({"解析単位", " ﾌﾚｰﾑ", " ﾌｨｰﾙﾄﾞ", " 0.01"});
    return list;
}

const std::string& siteSelectorEmptyEntry()
{
    static const std::string text = cp932::fixed("  観測地・望遠鏡");
    return text;
}

const std::string& observerSelectorEmptyEntry()
{
    static const std::string text = cp932::fixed("  観測者");
    return text;
}

}  // namespace selen::codes
