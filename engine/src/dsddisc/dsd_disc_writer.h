#pragma once

// Writes a DSD Disc image: a UDF 1.02 volume with an ISO 9660 bridge holding
// /DSD_DISC/<title>/NN - <track>.dsf for every track and, when planned, the
// playlist /DSD_DISC/<title>.ovp. The files are streamed into the image one
// after another: memory stays small whatever the album length.

#include "dsddisc/dsd_disc_plan.h"
#include "model/disc_model.h"

#include <string>

namespace orvi::engine::dsddisc {

// The same contract as the SACD image writer: a temporary file of its own
// beside OUTPUT, renamed only when complete; a stop between tracks closes a valid disc of the
// finished tracks (status Stopped); output faults give OutputFailed, a track
// that cannot be read InvalidInput, and nothing is left under OUTPUT.
// The plan's tracks are read through their sources.
WriteResult writeDsdDisc(const DsdDiscPlan& plan, const std::string& outputPath, const WriteObserver& observer);

} // namespace orvi::engine::dsddisc
