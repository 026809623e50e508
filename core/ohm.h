// SPDX-License-Identifier: GPL-3.0-or-later
// Ohm's law: R, U, P and I from any two of them.
#pragma once


#include "core/outcome.h"

namespace ampero {

// Field indexes of the Ohm's-law calculator.
enum OhmField { OhmR = 0, OhmU = 1, OhmP = 2, OhmI = 3 };

// Formula routines: double precision, rounded to 6 decimals (half to even).
// All but the two power-from-product routines trap faults and give 0; those
// two give 0 on overflow as well.
double CalcCurrentFromUR(double u, double r);    // U / R
double CalcPowerFromUR(double u, double r);      // U^2 / R
double CalcCurrentFromRP(double r, double p);    // sqrt(P / R)
double CalcVoltageFromRP(double r, double p);    // sqrt(P * R)
double CalcVoltageFromRI(double i, double r);    // I * R
double CalcPowerFromRI(double i, double r);      // (I * R) * I
double CalcResistanceFromUI(double u, double i); // U / I
double CalcPowerFromUI(double u, double i);      // U * I
double CalcResistanceFromPI(double i, double p); // P / (I * I)
double CalcVoltageFromPI(double i, double p);    // P / I
// The pair U and P (same index sum as R and I).
double CalcResistanceFromUP(double u, double p); // U^2 / P
double CalcCurrentFromUP(double u, double p);    // P / U

// Evaluates with exactly two confirmed fields; other flag patterns give an
// empty outcome.
Outcome EvalOhmsLaw(const Inputs& in);

} // namespace ampero
