// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every test program shares: one-line data rows and whole-file reads.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// One data row; unlike chained QTest::newRow() it stays on one line after formatting.
template <typename... Columns> void row(const char *name, const Columns &...columns)
{
    (QTest::newRow(name) << ... << columns);
}

// A data table's columns in one line, each type with its name: addColumns<int, bool>("a", "b").
template <typename... Types, typename... Names> void addColumns(const Names &...names)
{
    (QTest::addColumn<Types>(names), ...);
}

// A file's whole contents; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
