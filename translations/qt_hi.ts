<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>प्रिंट कार्य</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>अंत:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>बैनर पृष्ठ</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>रात में (18:00 से 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>निश्चित समय पर</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>बिलिंग जानकारी:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>छपाई का समय:</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>गुप्त</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>परम गुप्त</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>आरंभ:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>दिन में (06:00 से 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>दूसरी पाली (16:00 से 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>प्रिंट कार्य नियंत्रण</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>सप्ताहांत (शनिवार से रविवार)</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>मानक</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>प्रतिबंधित</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>तीसरी पाली (00:00 से 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>अगले आदेश तक रोके रखें</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>तुरंत प्रिंट करें</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>गोपनीय</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>प्रिंट कार्य की प्राथमिकता:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>अप्रतिबंधित</translation>
    </message>
    <message>
        <source>Banner page at start</source>
        <translation>आरंभ का बैनर पृष्ठ</translation>
    </message>
    <message>
        <source>Banner page at end</source>
        <translation>अंत का बैनर पृष्ठ</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 पर %1 का उपयोग करने के लिए प्रमाणीकरण आवश्यक है।</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 का उपयोग करने के लिए प्रमाणीकरण आवश्यक है।</translation>
    </message>
    <message>
        <source>Authentication Needed</source>
        <translation>प्रमाणीकरण आवश्यक</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>उपयोगकर्ता नाम:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>कॉलम दिखाएँ: </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' में लिखने की अनुमति नहीं है।
क्या आप फिर भी इसे हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>क्या आप सचमुच '%1' को हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपरी फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>सूची से निकालें</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी हुई फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस नाम से सहेजें</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
कृपया जाँच लें कि फ़ोल्डर का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फ़ाइल रखना चाहते हैं?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपरी फ़ोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>वापस जाएँ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
कृपया जाँच लें कि फ़ाइल का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य पर जाएँ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलाव की तिथि</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPPDOptionsModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>मान</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>निचला हाशिया</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>कागज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>कागज़ का स्रोत:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दायाँ हाशिया</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>लैंडस्केप (आड़ा)</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ लेआउट</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>पृष्ठ की दिशा</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>डिडो (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>पोर्ट्रेट (खड़ा)</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठों का क्रम:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपरी हाशिया</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उल्टा पोर्ट्रेट</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उल्टा लैंडस्केप</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>नोट</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>लेटर / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>लीगल</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>लिफ़ाफ़ा मोनार्क</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>आर्किटेक्ट A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>आर्किटेक्ट B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>आर्किटेक्ट C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>आर्किटेक्ट D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>आर्किटेक्ट E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>लेटर एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>लेटर स्मॉल</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>लिफ़ाफ़ा You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>लिफ़ाफ़ा US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>लिफ़ाफ़ा US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>लिफ़ाफ़ा US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>लिफ़ाफ़ा US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>लिफ़ाफ़ा PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>लिफ़ाफ़ा PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>लिफ़ाफ़ा PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>लिफ़ाफ़ा PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>लिफ़ाफ़ा PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>लिफ़ाफ़ा PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>लिफ़ाफ़ा PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>लिफ़ाफ़ा PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>लिफ़ाफ़ा PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>लिफ़ाफ़ा C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>लिफ़ाफ़ा DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>लिफ़ाफ़ा B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>लिफ़ाफ़ा B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>लिफ़ाफ़ा B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>लिफ़ाफ़ा C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>लिफ़ाफ़ा C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>लिफ़ाफ़ा C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>लिफ़ाफ़ा C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>लिफ़ाफ़ा C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>लिफ़ाफ़ा C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>लिफ़ाफ़ा C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>लिफ़ाफ़ा C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>एग्ज़िक्यूटिव (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 प्लस</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>क्वार्टो</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K बिग</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 स्मॉल</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>एग्ज़िक्यूटिव (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>टैब्लॉयड / ANSI B</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>लिफ़ाफ़ा इनवाइट</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>लिफ़ाफ़ा Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>लिफ़ाफ़ा Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>स्टेटमेंट</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>फ़ैन-फ़ोल्ड जर्मन (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>लिफ़ाफ़ा PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>लिफ़ाफ़ा Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>लिफ़ाफ़ा Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>लिफ़ाफ़ा US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>सुपर A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>सुपर B</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>फ़ैन-फ़ोल्ड US (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>फ़ैन-फ़ोल्ड जर्मन लीगल (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>कस्टम (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>कस्टम (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>कस्टम (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>कस्टम (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>कस्टम (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>कस्टम (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>लेटर प्लस</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>टैब्लॉयड एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>लिफ़ाफ़ा इटैलियन</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>डबल पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>लीगल एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>फ़ोलियो (8.27 x 13 in)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>लेजर / ANSI B</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>लिफ़ाफ़ा पर्सनल</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट सेटिंग्स वापस लाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल बनाएँ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>'प्रति शीट पृष्ठ' और 'पृष्ठ समूह' विकल्प एक साथ नहीं चुने जा सकते।
कृपया इनमें से एक विकल्प बंद करें।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फ़ाइल रखना चाहते हैं?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में प्रिंट करें (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में प्रिंट करें ...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों ओर छपाई की सेटिंग्स आपस में मेल नहीं खातीं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पृष्ठों का अमान्य विवरण</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही ढंग से नहीं लिखा गया है। पृष्ठों और पृष्ठ-श्रेणियों को अलग करने के लिए ',' और पृष्ठ-श्रेणी बताने के लिए '-' लिखें, और ध्यान रखें कि कोई दो पृष्ठ-श्रेणियाँ एक-दूसरे में न आएँ।</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों ओर छपाई की सेटिंग्स में टकराव</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>प्रिंट कार्य के विकल्प</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पृष्ठ सेटअप में टकराव</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्प आपस में मेल नहीं खाते। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पृष्ठ सेटअप के कुछ विकल्प आपस में मेल नहीं खाते। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्प आपस में मेल नहीं खाते। कृपया इन्हें ठीक करें।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सभी प्रिंट करें</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चुना हुआ भाग</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>प्रिंट करने के लिए पृष्ठ</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग मोड</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग्स</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उल्टे क्रम में</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ग्रेस्केल</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>प्रतियाँ क्रम से प्रिंट करें</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ समूह:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ संख्याएँ</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी तरफ़ से बाइंडिंग</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पृष्ठ या पृष्ठ-श्रेणियाँ अल्पविराम (,) से अलग करके लिखें। पृष्ठ-श्रेणी हाइफ़न (-) से जुड़ी दो संख्याओं से बताई जाती है। उदाहरण: 3,5-7,9 लिखने पर पृष्ठ 3, 5, 6, 7 और 9 प्रिंट होंगे।</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों ओर छपाई</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी तरफ़ से बाइंडिंग</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Filename refers to a directory</source>
        <translation>यह फ़ाइल नाम एक फ़ोल्डर का है</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>मौजूदा फ़ाइल %1 में लिखा नहीं जा सकता</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
</context>
</TS>
