#include "dialogs/Prompts.h"
#include "support/ScriptedPrompts.h"
#include <gtest/gtest.h>

namespace
{

TEST(Prompts, FileFiltersBecomeQtFilters)
{
    const struct {
        const char *filter;
        const char *expected;
    } cases[] = {
        {"Graphe Isis (*.dat)|*.dat", "Graphe Isis (*.dat)"},
        {"Scolivet (*.scv)|*.scv", "Scolivet (*.scv)"},
        {"Windows Meta File (*.wmf)|*.wmf", "Windows Meta File (*.wmf)"},
        {"Images|*.png;*.svg", "Images (*.png *.svg)"},
        {"Texte (*.txt)|*.txt|Tout|*.*", "Texte (*.txt);;Tout (*.*)"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.expected))
            << c.filter;
}

TEST(Prompts, ScriptedPromptsAreInstalledForTheirLifetime)
{
    Prompts *before = &prompts();
    {
        ScriptedPrompts scripted;
        EXPECT_EQ(&prompts(), &scripted);
        {
            ScriptedPrompts inner;
            EXPECT_EQ(&prompts(), &inner);
        }
        EXPECT_EQ(&prompts(), &scripted);
    }
    EXPECT_EQ(&prompts(), before);
    EXPECT_EQ(SetPrompts(nullptr), before);
    EXPECT_EQ(&prompts(), before) << "nullptr puts the default back";
}

TEST(Prompts, ShorthandsGoThroughTheInstalledPrompts)
{
    ScriptedPrompts scripted;
    ShowMessage(QStringLiteral("Sauvegarde du fichier :"));
    ShowError(QStringLiteral("Format de fichier non reconnu"));
    scripted.Answers.push_back(QMessageBox::No);
    const auto answer = AskQuestion(QStringLiteral("Enregistrer les modifications ?"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(answer, QMessageBox::No);

    ASSERT_EQ(scripted.Messages.size(), 3u);
    EXPECT_EQ(scripted.Messages[0].icon, Prompts::Icon::None);
    EXPECT_EQ(scripted.Messages[1].icon, Prompts::Icon::Error);
    EXPECT_EQ(scripted.Messages[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(scripted.Messages[2].icon, Prompts::Icon::Question);
    EXPECT_EQ(scripted.MessageTexts(),
              QStringList({"Sauvegarde du fichier :", "Format de fichier non reconnu",
                           "Enregistrer les modifications ?"}));
}

} // namespace
