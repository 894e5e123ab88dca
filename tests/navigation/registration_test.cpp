// The registration plate through its records: font and colour at
// pre-install, the text at every refresh of the string element.
#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "guarded_text.h"
#include "loaded_module.h"

namespace {

constexpr UINT32 WHITE = 0xFFFFFF;

class RegistrationPlate : public ::testing::Test {
protected:
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = module.gauge("Registration");
    ELEMENT_STRING* plate = plate_string(gauge);

    void SetUp() override {
        ASSERT_NE(gauge, nullptr);
        ASSERT_NE(plate, nullptr);
    }

    // Installs the gauge with the parameters (kept in guarded read-only
    // memory) and returns what the plate shows.
    std::string install_and_show(const std::string& parameters) {
        GuardedText guarded(parameters);
        pre_install(gauge, guarded.c_str());
        HostTextBuffer buffer(plate);
        std::string shown = buffer.refresh();
        EXPECT_EQ(buffer.refresh(), shown) << "the text changed between refreshes";
        EXPECT_EQ(std::string(guarded.c_str()), parameters);
        gauge->parameters = nullptr;
        return shown;
    }
};

TEST_F(RegistrationPlate, StringElementRecord) {
    EXPECT_EQ(plate->header.element_type, ELEMENT_TYPE_STRING);
    EXPECT_EQ(plate->header.gauge, gauge);
    EXPECT_EQ(gauge->elements[0]->bitmap_id, 40u);
    EXPECT_EQ(plate->max_chars, 7u);
    EXPECT_EQ(plate->box_width, 150u);
    EXPECT_EQ(plate->box_height, 25u);
    EXPECT_EQ(plate->highlight_color, 0x5C5C5Cu);
    EXPECT_EQ(plate->draw_text_flags, 0x25u);
    EXPECT_EQ(plate->font_weight, 400u);
    EXPECT_NE(plate->callback, nullptr);
    EXPECT_NE(gauge->callback, nullptr);
    EXPECT_EQ(gauge->mouse_rects[0].help_id, 0u);
    EXPECT_EQ(gauge->mouse_rects[1].rect_type, MOUSE_RECT_END_PARENT);
}

TEST_F(RegistrationPlate, WithoutParametersShowsTheDefaultInWhiteArial) {
    HostTextBuffer buffer(plate);
    EXPECT_EQ(buffer.refresh(), "N700MS");
    pre_install(gauge, nullptr);
    EXPECT_EQ(buffer.refresh(), "N700MS");
    EXPECT_EQ(install_and_show(""), "N700MS");
    EXPECT_EQ(plate->text_color, WHITE);
    EXPECT_EQ(font_face(plate), "Arial");
}

TEST_F(RegistrationPlate, TextFromTheTKeyAtTheStart) {
    EXPECT_EQ(install_and_show("tF-AZUR"), "F-AZUR");
    EXPECT_EQ(install_and_show("x tN123"), "N700MS");
    EXPECT_EQ(install_and_show(" tN123"), "N700MS");
    EXPECT_EQ(install_and_show("#tN123"), "N700MS");
    EXPECT_EQ(install_and_show("TN123"), "N700MS");
    EXPECT_EQ(install_and_show("tN123 r0 tX"), "N123");
}

TEST_F(RegistrationPlate, TextEndsAtTheFirstBlankAndShowsUnderscoresAsBlanks) {
    EXPECT_EQ(install_and_show("tN_123 r255 g0 b0"), "N 123");
    EXPECT_EQ(install_and_show("t_A_B_C"), " A B C");
    // Underscores after a comment character stay.
    EXPECT_EQ(install_and_show("tA_B#C_D"), "A B#C_D");
    // A blank after a comment character is not found: the text runs on.
    EXPECT_EQ(install_and_show("tN1/2 r0"), "N1/2 r0");
}

TEST_F(RegistrationPlate, LongRegistrationsAreCutToSevenCharacters) {
    EXPECT_EQ(install_and_show("tABCDEFGHIJ"), "ABCDEFG");
    EXPECT_EQ(install_and_show("tABC_EFG_IJ KL"), "ABC EFG");
    EXPECT_EQ(install_and_show("t" + std::string(3000, 'Q')), "QQQQQQQ");
}

TEST_F(RegistrationPlate, ColourKeysAfterTheFirstBlank) {
    install_and_show("tN_123 r255 g0 b0");
    EXPECT_EQ(plate->text_color, 0x0000FFu);
    install_and_show("tD-EKLM r0 g255 b0 fTimes New Roman");
    EXPECT_EQ(plate->text_color, 0x00FF00u);
    EXPECT_EQ(font_face(plate), "Times New Roman");
    install_and_show("tX r1 g2 b3");
    EXPECT_EQ(plate->text_color, 0x030201u);
}

TEST_F(RegistrationPlate, OutOfRangeComponentsBecomeFull) {
    install_and_show("tN123 r300 g0 b0");
    EXPECT_EQ(plate->text_color, 0x0000FFu);
    install_and_show("tN123 r0 g-1 b0");
    EXPECT_EQ(plate->text_color, 0x00FF00u);
    install_and_show("tN123 r0 g0 b99999999999");
    EXPECT_EQ(plate->text_color, 0xFF0000u);
}

TEST_F(RegistrationPlate, MissingComponentsKeepTheCurrentColour) {
    install_and_show("tN123 r0 g0 b0");
    install_and_show("tN123 r16");
    EXPECT_EQ(plate->text_color, 0x000010u);
    install_and_show("tN123 g32");
    EXPECT_EQ(plate->text_color, 0x002010u);
    install_and_show("tN123");  // no blank: nothing changes
    install_and_show("tN1/2 r0");  // the blank is behind a comment
    EXPECT_EQ(plate->text_color, 0x002010u);
}

TEST_F(RegistrationPlate, TheFontNameTakesTheRestOfTheString) {
    EXPECT_EQ(install_and_show("tN123 fArial r255 g0"), "N123");
    EXPECT_EQ(font_face(plate), "Arial r255 g0");
    EXPECT_EQ(plate->text_color, WHITE);
}

TEST_F(RegistrationPlate, FontNamesKeepAtMostThirtyOneCharactersZeroFilled) {
    const std::string long_name(40, 'W');
    install_and_show("tN123 f" + long_name);
    EXPECT_EQ(font_face(plate), long_name.substr(0, 31));
    install_and_show("tN123 fMS");
    EXPECT_EQ(font_face(plate), "MS");  // zero-filled behind the shorter name
    install_and_show("tN123 f");
    EXPECT_EQ(font_face(plate), "");
}

TEST_F(RegistrationPlate, InstallNeedsTheStringElement) {
    ELEMENT_LIST* elements = gauge->elements;
    ELEMENT_LIST no_children[] = {nullptr};
    ELEMENT_LIST* children = elements[0]->next_element;
    elements[0]->next_element = no_children;
    install_and_show("tN123 r0 g0 b0 fMS");
    elements[0]->next_element = nullptr;
    install_and_show("tN123 r0 g0 b0 fMS");
    elements[0]->next_element = children;
    ELEMENT_LIST no_elements[] = {nullptr};
    gauge->elements = no_elements;
    pre_install(gauge, "tN123 r0 g0 b0 fMS");
    gauge->elements = nullptr;
    pre_install(gauge, "tN123 r0 g0 b0 fMS");
    gauge->callback(nullptr, PANEL_SERVICE_PRE_INSTALL, 0);
    gauge->elements = elements;
    EXPECT_EQ(plate->text_color, WHITE);
    EXPECT_EQ(font_face(plate), "Arial");
}

TEST_F(RegistrationPlate, OnlyThePreInstallNotificationSetsFontAndColour) {
    gauge->parameters = "tN123 r0 g0 b0 fMS";
    for (UINT32 service : {0u, 6u, 12u, 14u}) {
        send_service(gauge, service);
    }
    EXPECT_EQ(plate->text_color, WHITE);
    EXPECT_EQ(font_face(plate), "Arial");
    gauge->parameters = nullptr;
}

TEST_F(RegistrationPlate, RefreshWithoutABufferOrGaugeWritesNothing) {
    plate->text = nullptr;
    plate->source_var[0].value.number = 4.5;
    EXPECT_EQ(plate->callback(plate), 4.5);
    EXPECT_EQ(plate->callback(nullptr), 0.0);
    GAUGEHDR* owner = plate->header.gauge;
    plate->header.gauge = nullptr;
    HostTextBuffer buffer(plate);
    EXPECT_EQ(buffer.refresh(), "N700MS");
    plate->header.gauge = owner;
}

}  // namespace
