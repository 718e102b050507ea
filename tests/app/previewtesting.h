#pragma once
// The program with schemes and a programme to play, and what its lamps show.
#include <string>
#include <vector>

#include "app/fDM.h"
#include "app/fMain.h"
#include "scene3d/geometry/vectorcompare.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/material.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/objects/sprite.h"
#include "tests/app/programtesting.h"

class PreviewTest : public ProgramTest {
protected:
    // A scheme whose step k lights channel Lit[k] alone (0: none), every
    // step Delay ms long; applied.
    void SeedScheme(int Id, const std::vector<int>& Lit, int Delay = 100)
    {
        DM->cdsSchemes->Append();
        DM->cdsSchemesFSCHEME->SetAsInteger(Id);
        DM->cdsSchemesFNAME->SetAsString("Схема " + std::to_string(Id));
        for (std::size_t k = 0; k < Lit.size(); ++k) {
            DM->cdsLighting->Append();
            DM->cdsLightingFID->SetAsInteger(static_cast<int>(k) + 1);
            DM->cdsLightingFDELAY->SetAsInteger(Delay);
            for (int c = 1; c <= 16; ++c)
                DM->ChannelField(c)->SetAsString(c == Lit[k] ? "1" : "0");
        }
        DM->cdsSchemes->CheckBrowseMode();
        DM->cdsLighting->CheckBrowseMode();
        DM->cdsSchemes->ApplyUpdates(-1);
    }

    // A programme row at the end, left pending (its scheme may be missing).
    void AddProgrammeRow(int Scheme, int Count)
    {
        DM->cdsProgramm->Append();
        DM->cdsProgrammFID->SetAsInteger(DM->cdsProgramm->RecordCount() + 1);
        DM->cdsProgrammFSCHEME->SetAsInteger(Scheme);
        DM->cdsProgrammFCOUNT->SetAsInteger(Count);
        DM->cdsProgramm->Post();
    }

    static T3DFaceProperties* Front(T3DSprite* Lamp) { return Lamp->Material()->FrontProperties(); }

    // Channel and lamp from 1.
    static T3DSprite* LampOf(int Channel, int Index) { return frmMain->Lamp(Channel - 1, Index - 1); }

    // The channels whose 16 lamps all show lit: large, glowing in their own
    // colour.
    static std::vector<int> LitChannels()
    {
        std::vector<int> lit;
        for (int c = 1; c <= 16; ++c) {
            bool all = true;
            for (int i = 1; i <= 16; ++i) {
                T3DSprite* lamp = LampOf(c, i);
                all = all && lamp->Scale()->X() == 0.8f &&
                      VectorEquals(Front(lamp)->Emission()->Color(), Front(lamp)->Specular()->Color());
            }
            if (all)
                lit.push_back(c);
        }
        return lit;
    }

    static void Tick(double Time) { frmMain->CadencerProgress(nullptr, 0, Time); }

    // The preview switched on, then Ticks ticks a second apart: the lit
    // channel (0 for none) of every row shown.
    static std::vector<int> Played(int Ticks)
    {
        frmMain->acView->Execute();
        std::vector<int> shown;
        for (int k = 1; k <= Ticks; ++k) {
            const double due = frmMain->NextTime;
            Tick(k);
            if (frmMain->NextTime != due) {
                const std::vector<int> lit = LitChannels();
                shown.push_back(lit.empty() ? 0 : lit.front());
            }
        }
        return shown;
    }
};
