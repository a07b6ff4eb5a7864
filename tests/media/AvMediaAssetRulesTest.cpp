// The file-independent rules of AvMediaAsset: language codes and how chapter marks
// in several languages become chapter groups.
#include "media/AvMediaAsset.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Mark = AvMediaAsset::ChapterMark;

namespace {

QStringList firstTexts(const QList<MediaAsset::ChapterGroup> &groups)
{
    QStringList out;
    for (const auto &group : groups)
        out.append(group.itemTexts.isEmpty() ? u"<none>"_s
                                             : group.itemTexts.first().value_or(u"<null>"_s));
    return out;
}

} // namespace

TEST(LanguageCode, ContainerTagsBecomeBcp47)
{
    // "haw" has no two-letter form; "qqq" is unknown and kept as given.
    const std::pair<QString, QString> cases[] = {
        {u"ger"_s, u"de"_s}, {u"deu"_s, u"de"_s}, {u"pt_BR"_s, u"pt-BR"_s}, {u" fr "_s, u"fr"_s},
        {u"UND"_s, u""_s},   {u"haw"_s, u"haw"_s}, {u"qqq"_s, u"qqq"_s}};
    for (const auto &[tag, code] : cases)
        EXPECT_EQ(AvMediaAsset::languageCode(tag), code) << tag.toStdString();
}

TEST(ChapterGroups, OnlyTranslationsShareAGroupOrderedByPreference)
{
    const QList<Mark> translated{
        {0, 10, u"Anfang"_s, u"de"_s},   {0, 10, u"Beginning"_s, u"en"_s},
        {0, 10, u"Début"_s, u"fr"_s},    {10, 20, u"Ende"_s, u"de"_s},
        {10, 20, std::nullopt, u"en"_s}, {10, 20, u"Fin"_s, u"fr"_s},
    };
    const auto groups = AvMediaAsset::groupChapters(translated, {u"fr-CA"_s, u"en"_s});
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].itemTexts,
              (QList<std::optional<QString>>{u"Début"_s, u"Beginning"_s, u"Anfang"_s}));
    EXPECT_EQ(groups[1].itemTexts, (QList<std::optional<QString>>{u"Fin"_s, u"Ende"_s}));
    EXPECT_TRUE(groups[1].start == 10 && groups[1].duration == 10);
    // No preferred language present: the file's order.
    EXPECT_EQ(firstTexts(AvMediaAsset::groupChapters(translated, {u"ja"_s})),
              (QStringList{u"Anfang"_s, u"Ende"_s}));

    // Repeated ranges without distinct languages are separate chapters.
    const QList<Mark> repeated{
        {0, 5, u"One"_s, u""_s}, {0, 5, u"Two"_s, u""_s}, {0, 5, u"Three"_s, u"en"_s},
        {5, 9, u"A"_s, u"en"_s}, {5, 9, u"B"_s, u"en"_s}, {5, 9, std::nullopt, u""_s},
    };
    EXPECT_EQ(firstTexts(AvMediaAsset::groupChapters(repeated, {u"en"_s})),
              (QStringList{u"One"_s, u"Two"_s, u"Three"_s, u"A"_s, u"B"_s, u"<none>"_s}));
}
