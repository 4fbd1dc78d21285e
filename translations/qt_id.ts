<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The texts of Qt 6.4 itself that Trayeko shows (file and print dialogs, print preview,
     message box buttons, context menus, the tool windows' menu, the
     dock title buttons as screen readers name them), in Indonesian. Contexts and
     source texts are Qt's own: a text that a later Qt words differently shows in English
     again, so look at the dialogs after a Qt upgrade. Compiled by lrelease at build time. -->
<TS version="2.1" language="id_ID">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Apakah Anda tetap ingin menghapusnya?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Apakah Anda yakin ingin menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan markah</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Direktori Induk</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;Baru</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Singkirkan</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cari di:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Direktori</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Direktori tidak ditemukan.
Periksa apakah nama direktorinya sudah benar.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah sisi</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Direktori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti nama</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Direktori tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Direktori:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menggantinya?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke direktori induk</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terakhir</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Ganti ke tampilan rinci</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Periksa apakah nama berkasnya sudah benar.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Ganti ke tampilan daftar</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Kandar</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Folder Berkas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak dikenal</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opsi &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opsi &lt;&lt;</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Semua Halaman</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Halaman Ganjil</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Halaman Genap</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Kiri ke kanan, atas ke bawah</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Kiri ke kanan, bawah ke atas</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Kanan ke kiri, bawah ke atas</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Kanan ke kiri, atas ke bawah</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bawah ke atas, kiri ke kanan</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bawah ke atas, kanan ke kiri</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Atas ke bawah, kiri ke kanan</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Atas ke bawah, kanan ke kiri</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Tulis berkas PDF</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Berkas lokal</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Cetak ke Berkas (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Cetak ke Berkas ...</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opsi &apos;Halaman per lembar&apos; dan &apos;Set halaman&apos; tidak dapat dipakai bersamaan.
Matikan salah satunya.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menimpanya?</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Pengaturan cetak bolak-balik saling bertentangan. Apakah Anda ingin memperbaikinya?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Penentuan Halaman Tidak Sah</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 tidak ditulis dengan benar. Pisahkan rentang dan halaman dengan &apos;,&apos;, tentukan rentang dengan &apos;-&apos;, dan pastikan rentang-rentang itu tidak saling bertumpang.</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Nilai &apos;dari&apos; tidak boleh lebih besar daripada nilai &apos;sampai&apos;.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Pengaturan Bolak-balik Bertentangan</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 adalah direktori.
Pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Berkas %1 tidak dapat ditulisi.
Pilih nama berkas lain.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Pratinjau Cetak</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Muat halaman</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Muat lebar</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Pengaturan Halaman</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Pengaturan halaman</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Tampilkan ikhtisar semua halaman</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Halaman pertama</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Halaman terakhir</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Tampilkan satu halaman</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Ekspor ke PDF</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Halaman sebelumnya</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Halaman berikutnya</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Tampilkan halaman berhadapan</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Properti Pencetak</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opsi Tugas</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Opsi Lanjutan Bertentangan</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Pengaturan Halaman Bertentangan</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Beberapa opsi lanjutan saling bertentangan. Apakah Anda ingin memperbaikinya?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Opsi pengaturan halaman saling bertentangan. Apakah Anda ingin memperbaikinya?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Lanjutan</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Beberapa opsi saling bertentangan. Perbaikilah.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Salinan</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Salinan:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Susun</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Terbalik</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Rentang cetak</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Cetak semua</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Halaman dari</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Halaman Ini</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Tentukan halaman atau rentang, dipisahkan dengan koma. Rentang ditulis sebagai dua angka yang dipisahkan tanda hubung. Misalnya: 3,5-7,9 mencetak halaman 3, 5, 6, 7, dan 9.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Pengaturan Keluaran</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode Warna</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Berwarna</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala abu-abu</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set halaman:</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Pencetak</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roperti</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Jenis:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Berkas keluaran:</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Ukuran halaman:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lebar:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sumber kertas:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientasi</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Mendatar terbalik</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Tegak terbalik</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>margin atas</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>margin kiri</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>margin kanan</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>margin bawah</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Tata Letak Halaman</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Urutan halaman:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Halaman per lembar:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Khusus</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimeter (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Poin (pt)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>Khusus</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Khusus (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Khusus (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Khusus (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Khusus (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Khusus (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Khusus (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Kartu Pos</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Kartu Pos Ganda</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Tugas</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Kendali Tugas</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Cetak terjadwal:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Cetak Segera</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Tahan Tanpa Batas</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Siang (06:00 sampai 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Malam (18:00 sampai 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Giliran Kedua (16:00 sampai 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Giliran Ketiga (00:00 sampai 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Akhir Pekan (Sabtu sampai Minggu)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Waktu Tertentu</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informasi tagihan:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritas tugas:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Halaman Sampul</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Akhir:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standar</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Tanpa Klasifikasi</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidensial</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Berklasifikasi</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Rahasia</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Sangat Rahasia</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Perlu Autentikasi</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Perlu autentikasi untuk memakai %1.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Perlu autentikasi untuk memakai %1 pada %2.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nama pengguna:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kata sandi:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Poton&amp;g</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Poton&amp;g</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin &amp;Lokasi Tautan</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Naik satu</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Turun satu</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Gulir ke sini</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Tepi kiri</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Tepi kanan</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Satu halaman ke kiri</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Satu halaman ke atas</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Satu halaman ke kanan</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Satu halaman ke bawah</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Gulir ke kiri</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Gulir ke atas</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Gulir ke kanan</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Gulir ke bawah</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Kembalikan</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Pindahkan</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Ubah Ukuran</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>K&amp;ecilkan</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksimalkan</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Selalu di &amp;Atas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Kecilkan</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimalkan</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Kembalikan Ukuran</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Kembalikan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Gulung</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Buka Gulungan</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>Lepaskan</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Melepaskan panel dari jendela atau menempelkannya kembali</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Menutup panel</translation>
    </message>
</context>
</TS>
