<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फ़ाइल रखना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]... [FILE]
Gives a Rudraksha numerology reading; FILE is a saved reading (.rkn) to open.

  -h, --help     show this help and exit
      --version  show the name and version and exit
  --             end the options: what follows is a file

Qt&apos;s own options, such as -platform and -style, are accepted as well.
</source>
        <translation>उपयोग: %1 [विकल्प]... [फ़ाइल]
रुद्राक्ष अंक ज्योतिष फल देता है; फ़ाइल पहले सहेजा गया अंक ज्योतिष फल (.rkn) है, जिसे खोलना है।

  -h, --help     यह सहायता दिखाकर बाहर निकलें
      --version  नाम और संस्करण दिखाकर बाहर निकलें
  --             विकल्प यहीं समाप्त: इसके बाद जो है, वह फ़ाइल है

Qt के अपने विकल्प, जैसे -platform और -style, भी स्वीकार किए जाते हैं।
</translation>
    </message>
    <message>
        <source>%1: no display could be opened; set DISPLAY or WAYLAND_DISPLAY to a running X11 or Wayland session
</source>
        <translation>%1: कोई डिस्प्ले नहीं खुल सका; DISPLAY या WAYLAND_DISPLAY को किसी चालू X11 या Wayland सत्र पर सेट करें
</translation>
    </message>
    <message>
        <source>%1 %2
</source>
        <translation>%1 %2
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
</source>
        <translation>%1: अज्ञात विकल्प &quot;%2&quot;
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; &quot;%2&quot; is left alone
</source>
        <translation>%1: एक बार में एक ही अंक ज्योतिष फल खोला जा सकता है; &quot;%2&quot; को नहीं खोला गया
</translation>
    </message>
</context>
<context>
    <name>app::StartProgram</name>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. They stay until the program ends; the next start will not have them.</source>
        <translation>सेटिंग्स &quot;%1&quot; में सहेजी नहीं जा सकीं। प्रोग्राम बंद होने तक ये बनी रहेंगी, पर अगली बार शुरू करने पर नहीं मिलेंगी।</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;.

%2

They stay until the program ends; the next start will not have them.</source>
        <translation>सेटिंग्स &quot;%1&quot; में सहेजी नहीं जा सकीं।

%2

प्रोग्राम बंद होने तक ये बनी रहेंगी, पर अगली बार शुरू करने पर नहीं मिलेंगी।</translation>
    </message>
</context>
<context>
    <name>app::UpdateCheck</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया अपडेट उपलब्ध हो सकता है।<byte value="xd"/>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>core::Calendar</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>core::Catalogue</name>
    <message>
        <source>One Mukhi Rudraksha</source>
        <translation>एक मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Lord Shiva</source>
        <translation>भगवान शिव</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Aum Hreem Namah. Om Namah Shivaya</source>
        <translation>ॐ ह्रीं नमः। ॐ नमः शिवाय</translation>
    </message>
    <message>
        <source>Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes</source>
        <translation>थाइमस, हृदय, रीढ़ की हड्डी, डायाफ़्राम, शिराएँ, रक्त, आँखें</translation>
    </message>
    <message>
        <source>Chronic Asthma, TB, Paralysis, Heart Problems, Mental Anxiety, Eye problems, Bone Pain, Headache</source>
        <translation>पुराना दमा, क्षय रोग (टीबी), लकवा, हृदय रोग, मानसिक चिंता, नेत्र रोग, हड्डियों में दर्द, सिरदर्द</translation>
    </message>
    <message>
        <source>This should be capped with gold or silver and worn around the neck.</source>
        <translation>इसे सोने या चाँदी में मढ़वाकर गले में धारण करना चाहिए।</translation>
    </message>
    <message>
        <source>This is also known as Chandramukhi rudraksha as its face is said to shine like the moon. It is ruled by the Sun and blessed by Lord Shiva himself, and it is believed to bring clarity of mind, self-confidence and a sense of inner light. Those who wear it with faith are said to gain honour, leadership and freedom from many worries.</source>
        <translation>इसे चंद्रमुखी रुद्राक्ष भी कहा जाता है, क्योंकि कहते हैं कि इसका मुख चंद्रमा की भाँति चमकता है। इसका स्वामी ग्रह सूर्य है और इसे स्वयं भगवान शिव का आशीर्वाद प्राप्त है। माना जाता है कि यह मन को स्पष्टता देता है, आत्मविश्वास जगाता है और आंतरिक प्रकाश की अनुभूति कराता है। कहा जाता है कि जो लोग इसे श्रद्धा से धारण करते हैं, उन्हें मान-सम्मान, नेतृत्व और अनेक चिंताओं से मुक्ति मिलती है।</translation>
    </message>
    <message>
        <source>You like to be the center of attraction and you shine brightest when others notice your efforts. You are proud, generous and warm, with a natural dignity that draws admiration. Like the Sun, you give light and life to those around you.</source>
        <translation>आप आकर्षण का केंद्र बनना पसंद करते हैं, और जब दूसरे आपके प्रयासों पर ध्यान देते हैं, तब आपकी चमक सबसे अधिक निखरती है। आप स्वाभिमानी, उदार और आत्मीय हैं; आपमें एक सहज गरिमा है, जिसके कारण लोग आपकी सराहना करते हैं। सूर्य की तरह आप अपने आसपास के लोगों को प्रकाश और जीवन देते हैं।</translation>
    </message>
    <message>
        <source>Two Mukhi Rudraksha</source>
        <translation>दो मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>ArdhaNareeshwara</source>
        <translation>अर्धनारीश्वर</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Aum Namah</source>
        <translation>ॐ नमः</translation>
    </message>
    <message>
        <source>Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic Nervous System, Saliva</source>
        <translation>स्तन, पेट, लसीका तंत्र, रक्त के अतिरिक्त शरीर के अन्य द्रव-तंत्र, पसीना, अनुकंपी तंत्रिका तंत्र, लार</translation>
    </message>
    <message>
        <source>Impotency, Lack of Concentration, Renal Failure, Stress, Anxiety, Depression, Eye Problems, Mental Instability, Hysteria, Intestinal Disorder</source>
        <translation>नपुंसकता, एकाग्रता की कमी, गुर्दों की विफलता, तनाव, चिंता, अवसाद, नेत्र रोग, मानसिक अस्थिरता, हिस्टीरिया, आँतों के विकार</translation>
    </message>
    <message>
        <source>Take three beads of 2 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Monday morning after offering a short prayer to Lord Shiva.</source>
        <translation>2 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। सोमवार की सुबह भगवान शिव की संक्षिप्त प्रार्थना करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This bead should be worn by people who are seeking harmony in their relationships and peace within the home. It represents ArdhaNareeshwara, the united form of Shiva and Shakti, and is ruled by the Moon. It is believed to calm the emotions, ease loneliness and strengthen the bond between partners, friends and family.</source>
        <translation>जो लोग अपने संबंधों में सामंजस्य और घर में शांति चाहते हैं, उन्हें यह रुद्राक्ष धारण करना चाहिए। यह शिव और शक्ति के संयुक्त रूप अर्धनारीश्वर का प्रतीक है, और इसका स्वामी ग्रह चंद्र है। माना जाता है कि यह भावनाओं को शांत करता है, अकेलेपन को कम करता है और जीवनसाथी, मित्रों तथा परिवार के साथ संबंधों को मज़बूत बनाता है।</translation>
    </message>
    <message>
        <source>You are the silent types who think before you speak. You are gentle, caring and deeply emotional, and your moods may rise and fall like the tides. You have a strong imagination and a kind heart that easily feels the needs of others.</source>
        <translation>आप उन कम बोलने वाले लोगों में से हैं जो बोलने से पहले सोचते हैं। आप सौम्य, दूसरों का ध्यान रखने वाले और अत्यंत भावुक हैं, और आपकी मनोदशा ज्वार-भाटे की तरह चढ़ती-उतरती रह सकती है। आपकी कल्पनाशक्ति प्रबल है और आपका हृदय दयालु है, जो दूसरों की ज़रूरतों को सहज ही समझ लेता है।</translation>
    </message>
    <message>
        <source>Three Mukhi Rudraksha</source>
        <translation>तीन मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>God Agni</source>
        <translation>अग्निदेव</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Aum Kleem Namah, Om Namah Shivaya</source>
        <translation>ॐ क्लीं नमः, ॐ नमः शिवाय</translation>
    </message>
    <message>
        <source>Adrenal Glands, Sex Glands, Red Blood Cells, Stomach Disorders, Blood Pressure Disorders</source>
        <translation>एड्रिनल ग्रंथियाँ, यौन ग्रंथियाँ, लाल रक्त कोशिकाएँ, पेट के विकार, रक्तचाप के विकार</translation>
    </message>
    <message>
        <source>Depression, Schizophrenia, Psychosis, Blood Pressure, Menstruation, Mood Swings, Fever, Jaundice</source>
        <translation>अवसाद, सिज़ोफ़्रेनिया, मनोविकृति, रक्तचाप, मासिक धर्म संबंधी कष्ट, मनोदशा में उतार-चढ़ाव, बुखार, पीलिया</translation>
    </message>
    <message>
        <source>Take three beads of 3 mukhi rudraksha, wash it with Ganga Jal and string them on a red thread. Wear it on a Sunday or Tuesday morning while chanting the name of Agni.</source>
        <translation>3 मुखी रुद्राक्ष के तीन दाने लें, उन्हें गंगाजल से धोकर लाल धागे में पिरो लें। रविवार या मंगलवार की सुबह अग्निदेव का नाम जपते हुए इसे धारण करें।</translation>
    </message>
    <message>
        <source>This is the symbol of Lord Brahma, Vishnu and Mahesh, and it is also linked with God Agni, the sacred fire that purifies all things. Ruled by Mars, it is believed to burn away past mistakes and guilt, to raise confidence and to give the wearer fresh energy to begin again with a clean heart.</source>
        <translation>यह भगवान ब्रह्मा, विष्णु और महेश का प्रतीक है। इसका संबंध अग्निदेव से भी है, उस पवित्र अग्नि से जो हर वस्तु को शुद्ध कर देती है। इसका स्वामी ग्रह मंगल है। माना जाता है कि यह पिछली भूलों और अपराध-बोध को जलाकर भस्म कर देता है, आत्मविश्वास बढ़ाता है और धारण करने वाले को निर्मल हृदय से फिर एक नई शुरुआत करने की ताज़ा ऊर्जा देता है।</translation>
    </message>
    <message>
        <source>You have a lot of energy and enthusiasm and you love to take on challenges. You are brave, direct and quick to act, and you enjoy competition. Learn to control your temper, and your fiery drive will carry you far in life.</source>
        <translation>आपमें भरपूर ऊर्जा और उत्साह है, और चुनौतियों का सामना करना आपको बहुत भाता है। आप साहसी और स्पष्टवादी हैं, तुरंत कदम उठाते हैं और प्रतिस्पर्धा का आनंद लेते हैं। अपने क्रोध पर काबू रखना सीखें, तो आपका यह प्रचंड जोश आपको जीवन में बहुत आगे ले जाएगा।</translation>
    </message>
    <message>
        <source>Four Mukhi Rudraksha</source>
        <translation>चार मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>God Brahma</source>
        <translation>भगवान ब्रह्मा</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Aum Hreem Namah</source>
        <translation>ॐ ह्रीं नमः</translation>
    </message>
    <message>
        <source>Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands</source>
        <translation>भुजाएँ, मस्तिष्क के विकार, हाथ, फेफड़े, ज्ञानेंद्रियाँ, थायरॉइड ग्रंथि</translation>
    </message>
    <message>
        <source>Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis</source>
        <translation>रक्त संचार की समस्याएँ, खाँसी, मस्तिष्क के विकार, दमा, श्वास संबंधी रोग, लकवा</translation>
    </message>
    <message>
        <source>Take three beads of 4 mukhi rudraksha, wash it with Ganga Jal and string them on a red or yellow thread. Wear it on a Wednesday morning after a quiet prayer to Lord Brahma.</source>
        <translation>4 मुखी रुद्राक्ष के तीन दाने लें, उन्हें गंगाजल से धोकर लाल या पीले धागे में पिरो लें। बुधवार की सुबह मन ही मन भगवान ब्रह्मा की प्रार्थना करने के बाद इसे धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Mercury. It represents God Brahma, the creator, and is believed to sharpen the intellect, improve memory and give clear and graceful speech. Students, writers, teachers and those in trade are said to benefit greatly from wearing it.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष बुध के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह सृष्टि के रचयिता भगवान ब्रह्मा का प्रतीक है। माना जाता है कि यह बुद्धि को तीक्ष्ण करता है, स्मरण शक्ति बढ़ाता है और वाणी को स्पष्ट तथा शालीन बनाता है। कहते हैं कि विद्यार्थियों, लेखकों, शिक्षकों और व्यापार से जुड़े लोगों को इसे धारण करने से विशेष लाभ होता है।</translation>
    </message>
    <message>
        <source>You are very methodical and go by the facts rather than feelings. You are clever, witty and quick to learn, with a gift for words and numbers. Your curious mind enjoys study, trade and travel, and you can talk with anyone.</source>
        <translation>आप हर काम बड़े व्यवस्थित ढंग से करते हैं और भावनाओं के बजाय तथ्यों को आधार बनाते हैं। आप चतुर, हाज़िरजवाब और जल्दी सीखने वाले हैं, और शब्दों तथा अंकों में आपकी विशेष प्रतिभा है। आपका जिज्ञासु मन अध्ययन, व्यापार और यात्रा में रमता है, और आप किसी से भी बात कर सकते हैं।</translation>
    </message>
    <message>
        <source>Five Mukhi Rudraksha</source>
        <translation>पाँच मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>बृहस्पति</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Liver, Gallbladder, Pituitary Glands, Blood Pressure Disorders</source>
        <translation>यकृत, पित्ताशय, पिट्यूटरी ग्रंथि, रक्तचाप के विकार</translation>
    </message>
    <message>
        <source>Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management, Diabetes, Piles, Neurotic Problems, Constipation</source>
        <translation>रक्तचाप, मानसिक अस्थिरता, मोटापा, हृदय रोग, तनाव, अत्यधिक क्रोध, मधुमेह, बवासीर, स्नायु संबंधी समस्याएँ, कब्ज़</translation>
    </message>
    <message>
        <source>Take five beads of 5 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Thursday morning after chanting Om Namah Shivaya with devotion.</source>
        <translation>5 मुखी रुद्राक्ष के पाँच दाने लेकर उन्हें लाल धागे में बाँध लें। गुरुवार की सुबह श्रद्धापूर्वक ॐ नमः शिवाय का जाप करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This is the most common rudraksh. It represents Lord Shiva in his form as Kalagni Rudra and is ruled by Jupiter, the planet of wisdom. It is believed to bring peace of mind, good health and spiritual growth, and it is widely used for prayer beads and daily meditation by seekers of every path.</source>
        <translation>यह सबसे अधिक मिलने वाला रुद्राक्ष है। यह कालाग्नि रुद्र के रूप में भगवान शिव का प्रतीक है, और इसका स्वामी ग्रह बृहस्पति है, जो ज्ञान का ग्रह है। माना जाता है कि यह मन की शांति, अच्छा स्वास्थ्य और आध्यात्मिक उन्नति देता है। हर मार्ग के साधक जप की माला और दैनिक ध्यान के लिए इसका व्यापक रूप से उपयोग करते हैं।</translation>
    </message>
    <message>
        <source>You will know the answers to all the questions that others bring to you. You are wise, generous and optimistic, with a deep love of learning and tradition. People look to you as a teacher and guide, and fortune tends to favour you.</source>
        <translation>दूसरे लोग आपके पास जो भी प्रश्न लेकर आते हैं, उन सबके उत्तर आपके पास होंगे। आप ज्ञानी, उदार और आशावादी हैं, और विद्या तथा परंपरा से आपको गहरा लगाव है। लोग आपको शिक्षक और मार्गदर्शक के रूप में देखते हैं, और भाग्य प्रायः आपका साथ देता है।</translation>
    </message>
    <message>
        <source>Six Mukhi Rudraksha</source>
        <translation>छह मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Lord Kartikeya</source>
        <translation>भगवान कार्तिकेय</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Aum Hreem Hum Namah</source>
        <translation>ॐ ह्रीं हुं नमः</translation>
    </message>
    <message>
        <source>Neck, Kidneys, Throat, sexual organs, Thyroid Glands</source>
        <translation>गर्दन, गुर्दे, गला, जननांग, थायरॉइड ग्रंथि</translation>
    </message>
    <message>
        <source>Epilepsy, Gynecological Problem, Hysteria, Reproductive Problems</source>
        <translation>मिर्गी, स्त्री रोग, हिस्टीरिया, प्रजनन संबंधी समस्याएँ</translation>
    </message>
    <message>
        <source>Take three beads of 6 mukhi rudraksha and tie them on a red thread. Wear it on the right arm on a Friday morning after a short prayer to Lord Kartikeya.</source>
        <translation>6 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। शुक्रवार की सुबह भगवान कार्तिकेय की संक्षिप्त प्रार्थना करने के बाद इसे दाहिनी भुजा पर धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Venus. It represents Lord Kartikeya, the brave son of Shiva, and is believed to bring charm, artistic talent, love and comfort into the life of the wearer. It is also said to give willpower and steady courage.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष शुक्र के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह शिव के वीर पुत्र भगवान कार्तिकेय का प्रतीक है। माना जाता है कि यह धारण करने वाले के जीवन में आकर्षण, कलात्मक प्रतिभा, प्रेम और सुख-सुविधा लाता है। यह भी कहा जाता है कि इससे इच्छाशक्ति और अटल साहस मिलता है।</translation>
    </message>
    <message>
        <source>You are the fun people who love enjoying the good things of life. You are charming, artistic and affectionate, with a fine taste for beauty, music and comfort. Friends gather around you easily, and love plays a large role in your life.</source>
        <translation>आप उन ज़िंदादिल लोगों में से हैं जो जीवन की अच्छी चीज़ों का आनंद लेना पसंद करते हैं। आप आकर्षक, कलाप्रेमी और स्नेही हैं, और सौंदर्य, संगीत तथा सुख-सुविधा के मामले में आपकी रुचि बड़ी परिष्कृत है। मित्र सहज ही आपके आसपास जुट जाते हैं, और आपके जीवन में प्रेम की बड़ी भूमिका रहती है।</translation>
    </message>
    <message>
        <source>Seven Mukhi Rudraksha</source>
        <translation>सात मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Goddess Mahalaxmi</source>
        <translation>माँ महालक्ष्मी</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Aum Hum Namah</source>
        <translation>ॐ हुं नमः</translation>
    </message>
    <message>
        <source>Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands, Impotency</source>
        <translation>तिल्ली, अस्थि तंत्र, उपास्थि, त्वचा, पिट्यूटरी ग्रंथि, नपुंसकता</translation>
    </message>
    <message>
        <source>Asthma, Pharyngitis, Impotency, Respiratory Disorder</source>
        <translation>दमा, गले की सूजन, नपुंसकता, श्वास संबंधी विकार</translation>
    </message>
    <message>
        <source>Take three beads of 7 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Saturday morning after offering prayers to Goddess Mahalaxmi.</source>
        <translation>7 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। शनिवार की सुबह माँ महालक्ष्मी की प्रार्थना करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Saturn and is blessed by Goddess Mahalaxmi, the giver of wealth. It is believed to remove delays and hardship, to open the way to prosperity and to bring patience and steady good fortune to those who wear it with devotion.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष शनि के सभी अशुभ प्रभावों को दूर करने का उपाय है, और इसे धन की दात्री माँ महालक्ष्मी का आशीर्वाद प्राप्त है। माना जाता है कि जो लोग इसे श्रद्धा से धारण करते हैं, उनके जीवन से विलंब और कठिनाइयाँ दूर होती हैं, समृद्धि का मार्ग खुलता है और उन्हें धैर्य तथा स्थायी सौभाग्य प्राप्त होता है।</translation>
    </message>
    <message>
        <source>You are very reliable and solid people. You are patient, disciplined and hardworking, and you do not shy away from responsibility. Success may come to you slowly, but it lasts, because you build it with honest effort and deep endurance.</source>
        <translation>आप बहुत भरोसेमंद और दृढ़ व्यक्ति हैं। आप धैर्यवान, अनुशासित और परिश्रमी हैं, और ज़िम्मेदारी से पीछे नहीं हटते। सफलता आपको भले ही धीरे-धीरे मिले, पर वह टिकती है, क्योंकि आप उसे ईमानदार प्रयास और गहरी सहनशीलता से गढ़ते हैं।</translation>
    </message>
    <message>
        <source>Eight Mukhi Rudraksha</source>
        <translation>आठ मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Lord Ganesh</source>
        <translation>भगवान गणेश</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Aum Hum Namah, Om Ganeshaya Namah</source>
        <translation>ॐ हुं नमः, ॐ गणेशाय नमः</translation>
    </message>
    <message>
        <source>Lungs , Feet, Skin, Eyes</source>
        <translation>फेफड़े, पैर, त्वचा, आँखें</translation>
    </message>
    <message>
        <source>Stomachache, Stress, Skin diseases, Anxiety, Sleep Disorders</source>
        <translation>पेट दर्द, तनाव, त्वचा रोग, चिंता, नींद संबंधी विकार</translation>
    </message>
    <message>
        <source>Wear only one bead of 8 mukhi rudraksh on thread / gold / silver.</source>
        <translation>8 मुखी रुद्राक्ष का केवल एक दाना धागे, सोने या चाँदी में धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Rahu. It represents Lord Ganesh, the remover of obstacles, and is believed to clear the path to success in every new undertaking. It is said to give wisdom, sound judgment and protection from hidden enemies and confusion.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष राहु के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह विघ्नहर्ता भगवान गणेश का प्रतीक है। माना जाता है कि यह हर नए कार्य में सफलता का मार्ग प्रशस्त करता है। कहते हैं कि इससे बुद्धि और सही निर्णय लेने की क्षमता मिलती है, तथा छिपे हुए शत्रुओं और भ्रम से रक्षा होती है।</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Nine Mukhi Rudraksha</source>
        <translation>नौ मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Goddess Durga</source>
        <translation>माँ दुर्गा</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Aum Hreem Hum Namah,Nav Durgayai Namah</source>
        <translation>ॐ ह्रीं हुं नमः, नवदुर्गायै नमः</translation>
    </message>
    <message>
        <source>Lungs , Skin, Eyes</source>
        <translation>फेफड़े, त्वचा, आँखें</translation>
    </message>
    <message>
        <source>Skin Problems, Body Pain, Fever, Bowel Problems</source>
        <translation>त्वचा रोग, शरीर में दर्द, बुखार, आँतों के रोग</translation>
    </message>
    <message>
        <source>Wear only one bead of 9 mukhi rudraksh capped with gold or silver on a red thread.</source>
        <translation>9 मुखी रुद्राक्ष का केवल एक दाना सोने या चाँदी में मढ़वाकर लाल धागे में धारण करें।</translation>
    </message>
    <message>
        <source>This bead improves mental activity. It represents Goddess Durga in her nine forms and is ruled by Ketu. It is believed to fill the wearer with courage, energy and fearlessness, and to protect against negative forces. Devotees say it brings the blessings of the Divine Mother and strength in times of trial.</source>
        <translation>यह रुद्राक्ष मानसिक सक्रियता बढ़ाता है। यह माँ दुर्गा के नौ रूपों का प्रतीक है, और इसका स्वामी ग्रह केतु है। माना जाता है कि यह धारण करने वाले को साहस, ऊर्जा और निर्भयता से भर देता है तथा नकारात्मक शक्तियों से उसकी रक्षा करता है। भक्तों का कहना है कि इससे जगन्माता का आशीर्वाद मिलता है और कठिन समय में शक्ति प्राप्त होती है।</translation>
    </message>
</context>
<context>
    <name>core::Chart</name>
    <message>
        <source>Your birth number is the day of the month on which you were born, reduced to a single digit: someone born on the 23rd adds 2 and 3 and has the birth number 5. In Indian practice it is the first number consulted when choosing a Rudraksha bead or a gemstone, before the life path number and the number of your name.</source>
        <translation>मूलांक आपके जन्म के दिन से बनने वाला अंक है: महीने की जिस तारीख़ को आपका जन्म हुआ, उसके अंकों को जोड़कर एक अंक बनाया जाता है। जैसे 23 तारीख़ को जन्मे व्यक्ति का मूलांक 5 होता है (2 + 3 = 5)। भारतीय परंपरा में रुद्राक्ष या रत्न चुनते समय सबसे पहले इसी अंक को देखा जाता है; भाग्यांक और नामांक इसके बाद आते हैं।</translation>
    </message>
    <message>
        <source>Born on the 1st, 10th, 19th or 28th, you carry the number of the Sun. You start things on your own and rarely wait for anyone&apos;s permission or push. When a decision has to be made, people tend to look to you, and taking the lead feels natural. You have a proud streak and a firm sense of your own worth; it gives you dignity, though it can make a mistake hard to admit. Being watched over or told what to do at every step chafes at you, and you do your best work when you are trusted to find your own way. Learn to share the credit and to hear advice without feeling smaller, and your light will brighten everyone around you. Your day is Sunday.</source>
        <translation>1, 10, 19 या 28 तारीख़ को जन्मे लोगों का मूलांक 1 होता है, जिसका स्वामी ग्रह सूर्य है। आप अपने काम की शुरुआत स्वयं करते हैं, और किसी की अनुमति या प्रेरणा की प्रतीक्षा शायद ही कभी करते हैं। जब कोई निर्णय लेना हो, तो लोग प्रायः आपकी ओर देखते हैं, और आगे बढ़कर नेतृत्व सँभालना आपको स्वाभाविक लगता है। आपमें स्वाभिमान है और अपनी योग्यता का दृढ़ बोध भी; इससे आपको गरिमा मिलती है, पर कभी-कभी अपनी भूल मानना कठिन हो जाता है। कोई हर कदम पर आप पर नज़र रखे या आपको बताता रहे कि क्या करना है, यह आपको खटकता है; जब आप पर भरोसा करके आपको अपना रास्ता स्वयं खोजने दिया जाता है, तब आप सबसे अच्छा काम करते हैं। श्रेय बाँटना और स्वयं को छोटा समझे बिना सलाह सुनना सीखें, तो आपकी चमक आसपास के सभी लोगों के जीवन में उजाला भर देगी। रविवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>If you were born on the 2nd, 11th, 20th or 29th, the Moon rules your number. You are gentle by nature and quick to sense the moods of the people around you, often knowing what they feel before a word is spoken. Your imagination is rich, and you may have a gift for art, music or storytelling. Like the Moon, your moods wax and wane, and on low days you may doubt yourself far more than you should. You would rather persuade than push, and you bloom among people who value kindness. Trust your own judgement a little more, and give your own ideas the care you so readily give to others. Your day is Monday.</source>
        <translation>यदि आपका जन्म 2, 11, 20 या 29 तारीख़ को हुआ है, तो आपके मूलांक का स्वामी ग्रह चंद्र है। आप स्वभाव से सौम्य हैं और आसपास के लोगों की मनोदशा तुरंत भाँप लेते हैं; कई बार उनके कुछ कहने से पहले ही आप जान जाते हैं कि उनके मन में क्या है। आपकी कल्पनाशक्ति समृद्ध है, और कला, संगीत या कहानी कहने में आपकी विशेष प्रतिभा हो सकती है। चंद्र की कलाओं की तरह आपकी मनोदशा भी घटती-बढ़ती रहती है, और उदासी के दिनों में आप स्वयं पर ज़रूरत से ज़्यादा संदेह करने लगते हैं। आप दबाव डालने के बजाय प्यार से मनाना पसंद करते हैं, और जो लोग दयालुता का मूल्य समझते हैं, उनके बीच आपका स्वभाव खिल उठता है। अपने विवेक पर थोड़ा और भरोसा करें, और अपने विचारों को भी उतना ही महत्व दें जितना आप दूसरों को देते हैं। सोमवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>Born on the 3rd, 12th, 21st or 30th, you belong to Jupiter, the planet of wisdom. You aim high and are willing to work steadily to get there; discipline comes more easily to you than to most. Learning is one of your lasting pleasures, whether it comes from books, teachers or experience, and you enjoy passing on what you know. People trust you to keep things in order and to carry a plan through to the end. Because you are so sure of the right way, you can slip into giving orders where a suggestion would do, so watch for that habit. When you guide rather than command, others follow you gladly. Your day is Thursday.</source>
        <translation>3, 12, 21 या 30 तारीख़ को जन्मे लोगों का मूलांक 3 होता है। इसका स्वामी ग्रह बृहस्पति है, जो ज्ञान का ग्रह है। आपके लक्ष्य ऊँचे होते हैं, और उन तक पहुँचने के लिए आप लगातार परिश्रम करने को तैयार रहते हैं; अनुशासन आपको अधिकांश लोगों की तुलना में सहज ही आता है। सीखना आपके जीवन का स्थायी आनंद है, चाहे वह पुस्तकों से हो, गुरुओं से या अनुभव से, और जो आप जानते हैं उसे दूसरों तक पहुँचाना भी आपको अच्छा लगता है। लोग भरोसा करते हैं कि आप व्यवस्था बनाए रखेंगे और किसी भी योजना को अंत तक पहुँचाएँगे। सही रास्ते के बारे में आप इतने निश्चित रहते हैं कि जहाँ एक सुझाव काफ़ी हो, वहाँ भी आदेश देने लगते हैं, इसलिए इस आदत पर ध्यान रखें। जब आप आदेश देने के बजाय राह दिखाते हैं, तो लोग ख़ुशी-ख़ुशी आपके पीछे चलते हैं। गुरुवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>If you were born on the 4th, 13th, 22nd or 31st, your number belongs to Rahu. You naturally see the other side of every question, and you are not afraid to argue against what everyone else takes for granted. That makes you a reformer at heart: you want to know why a rule exists and whether a better one could take its place. Not everyone welcomes such questions, so you may have only a few close friends, but those few know how loyal you are. Your life can take sudden turns that you never imagined. Meet them with patience, keep a steady routine, and your fresh way of seeing things will open new doors for you and for others. Your day is Saturday.</source>
        <translation>यदि आपका जन्म 4, 13, 22 या 31 तारीख़ को हुआ है, तो आपके मूलांक का स्वामी ग्रह राहु है। आप हर प्रश्न का दूसरा पहलू सहज ही देख लेते हैं, और जिस बात को सब बिना सोचे मान लेते हैं, उसके विरोध में तर्क देने से भी नहीं हिचकते। इसीलिए आप मन से सुधारक हैं: आप जानना चाहते हैं कि कोई नियम क्यों बना है और क्या उसकी जगह कोई बेहतर नियम हो सकता है। ऐसे प्रश्नों का स्वागत हर कोई नहीं करता, इसलिए आपके घनिष्ठ मित्र कम ही होते हैं, पर जो होते हैं, वे आपकी निष्ठा को भली-भाँति जानते हैं। आपके जीवन में अचानक ऐसे मोड़ आ सकते हैं जिनकी आपने कल्पना भी नहीं की थी। उनका सामना धैर्य से करें और अपनी दिनचर्या स्थिर रखें, तो चीज़ों को नए ढंग से देखने की आपकी क्षमता आपके लिए भी और दूसरों के लिए भी नए द्वार खोलेगी। शनिवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>Born on the 5th, 14th or 23rd, you are ruled by Mercury, the planet of quick wit and speech. Your mind moves fast, and you settle into new places, jobs and company with ease. Words come readily to you, and so does a knack for money: you can spot a good deal, strike a bargain and explain a plan so well that others want to join in. Sameness tires you, and you are happiest with something new on the horizon. The other side of all that speed is restlessness, and when too much happens at once your nerves can fray. Make room for rest and quiet, finish one thing before you start the next, and your versatility will serve you all your life. Your day is Wednesday.</source>
        <translation>5, 14 या 23 तारीख़ को जन्मे लोगों का मूलांक 5 होता है। इसका स्वामी ग्रह बुध है, जिसे बुद्धि और वाणी का ग्रह माना जाता है। आपका मन तेज़ी से चलता है, और नई जगहों, नए कामों और नए लोगों के बीच आप आसानी से रम जाते हैं। शब्द आपको सहज ही सूझते हैं, और धन की समझ भी आपमें स्वाभाविक है: आप अच्छा सौदा पहचान लेते हैं, मोल-भाव कर लेते हैं और अपनी योजना इतनी अच्छी तरह समझाते हैं कि दूसरे भी उससे जुड़ना चाहते हैं। एक-सी दिनचर्या आपको थका देती है, और जब कुछ नया सामने हो, तभी आप सबसे अधिक प्रसन्न रहते हैं। इस तेज़ी का दूसरा पहलू बेचैनी है; जब एक साथ बहुत कुछ होने लगे, तो आपका मन जल्दी घबराने लगता है। आराम और शांति के लिए समय निकालें और एक काम पूरा करके ही दूसरा आरंभ करें, तो आपकी बहुमुखी प्रतिभा जीवन भर आपका साथ देगी। बुधवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>If you were born on the 6th, 15th or 24th, Venus rules your number. People are drawn to you without quite knowing why; there is a warmth and grace about you that puts them at ease. You have an eye for beauty in colour, music, clothes and rooms, and you may express it through an art or simply through a lovely home. Home and family matter deeply to you, and caring for the people you love gives you real joy. Quarrels upset you more than most, and you will put up with a great deal to keep the peace. Just take care not to bury every disagreement, because honest words spoken kindly are what keep a home in harmony. Your day is Friday.</source>
        <translation>यदि आपका जन्म 6, 15 या 24 तारीख़ को हुआ है, तो आपके मूलांक का स्वामी ग्रह शुक्र है। लोग अनजाने ही आपकी ओर खिंचे चले आते हैं; आपमें ऐसी आत्मीयता और शालीनता है जो उन्हें सहज कर देती है। रंगों, संगीत, पहनावे और घर की सजावट में सौंदर्य की आपको अच्छी परख है, और आप इसे किसी कला के रूप में या बस अपने घर को सुंदर बनाकर व्यक्त कर सकते हैं। घर और परिवार आपके लिए बहुत मायने रखते हैं, और अपने प्रियजनों की देखभाल से आपको सच्चा आनंद मिलता है। कलह आपको दूसरों की तुलना में कहीं अधिक विचलित करती है, और शांति बनाए रखने के लिए आप बहुत कुछ सह लेते हैं। बस ध्यान रखें कि हर असहमति को मन में ही न दबा लें, क्योंकि प्रेम से कही गई सच्ची बात ही घर में सामंजस्य बनाए रखती है। शुक्रवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>Born on the 7th, 16th or 25th, you carry the number of Ketu. You think for yourself and seldom borrow your opinions; your ideas often come from an angle nobody else had considered. You prize your independence and would rather follow your own rhythm than the crowd&apos;s. Distant places call to you, and travel, whether to the other side of the world or into the pages of a book, refreshes your spirit. The mystical draws you too: the meaning of life, faith and the unseen side of the world. Time alone is not a luxury for you but a need. Share what you discover, because your insight can guide others. Your day is Monday, though some traditions give Tuesday.</source>
        <translation>7, 16 या 25 तारीख़ को जन्मे लोगों का मूलांक 7 होता है, जिसका स्वामी ग्रह केतु है। आप अपने ढंग से सोचते हैं और दूसरों की राय उधार नहीं लेते; आपके विचार प्रायः ऐसे कोण से आते हैं जिसकी ओर किसी और का ध्यान ही नहीं गया था। आप अपनी स्वतंत्रता को बहुत महत्व देते हैं और भीड़ के पीछे चलने के बजाय अपनी ही लय में चलना पसंद करते हैं। दूर के स्थान आपको अपनी ओर खींचते हैं, और यात्रा, चाहे दुनिया के दूसरे छोर तक हो या किसी पुस्तक के पन्नों में, आपके मन को ताज़ा कर देती है। रहस्यमय विषय भी आपको आकर्षित करते हैं: जीवन का अर्थ, आस्था और संसार का अदृश्य पक्ष। एकांत में बिताया गया समय आपके लिए शौक़ नहीं, आवश्यकता है। जो कुछ आप खोजें, उसे दूसरों के साथ बाँटें, क्योंकि आपकी अंतर्दृष्टि उन्हें राह दिखा सकती है। सोमवार आपका दिन माना जाता है, हालाँकि कुछ परंपराओं में मंगलवार बताया गया है।</translation>
    </message>
    <message>
        <source>If you were born on the 8th, 17th or 26th, Saturn rules your number. You take life seriously, and once you have set your course you rarely give up; where others quit, you hold on. Your ambitions are large, and you are prepared to build toward them slowly, year after year. Because you show little of what you feel, people may take you for cold or hard when in truth you are deeply loyal. You tend to swing from one extreme to the other, working flat out or pulling away completely, rising high and then meeting hard setbacks. Look for a middle path, let a few trusted people see your softer side, and what you achieve will last. Your day is Saturday.</source>
        <translation>यदि आपका जन्म 8, 17 या 26 तारीख़ को हुआ है, तो आपके मूलांक का स्वामी ग्रह शनि है। आप जीवन को गंभीरता से लेते हैं, और एक बार राह तय कर लेने के बाद शायद ही कभी हार मानते हैं; जहाँ दूसरे हिम्मत छोड़ देते हैं, वहाँ भी आप डटे रहते हैं। आपकी महत्वाकांक्षाएँ बड़ी हैं, और उन तक पहुँचने के लिए आप साल-दर-साल धीरे-धीरे आगे बढ़ने को तैयार रहते हैं। आप अपनी भावनाएँ कम ही प्रकट करते हैं, इसलिए लोग आपको रूखा या कठोर समझ बैठते हैं, जबकि सच यह है कि आप बहुत निष्ठावान हैं। आपका स्वभाव प्रायः एक अति से दूसरी अति पर जाता है: कभी आप पूरी ताक़त से काम में जुट जाते हैं, तो कभी पूरी तरह अलग हो जाते हैं, और बड़ी ऊँचाइयों के बाद कड़े झटके भी झेलते हैं। बीच का रास्ता अपनाएँ और कुछ भरोसेमंद लोगों को अपना कोमल पक्ष देखने दें, तो आपकी उपलब्धियाँ लंबे समय तक टिकेंगी। शनिवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>Born on the 9th, 18th or 27th, you belong to Mars. You have courage in good supply and the energy to match it; difficulty tends to wake you up rather than wear you down. You are a born organiser who can gather people, share out the work and not rest until the task is done. When something is unfair, you stand up and fight, whether the cause is your own or someone else&apos;s. Your temper is quick, flaring fast and usually cooling just as fast, but words said in the heat of the moment can sting for a long time. Pause for a breath before you answer, spend your fire on the right battles, and few obstacles will stand in your way. Your day is Tuesday.</source>
        <translation>9, 18 या 27 तारीख़ को जन्मे लोगों का मूलांक 9 होता है, जिसका स्वामी ग्रह मंगल है। आपमें साहस भरपूर है और उतनी ही ऊर्जा भी; कठिनाइयाँ आपको थकाती नहीं, बल्कि आपमें और जोश भर देती हैं। आप जन्मजात संगठनकर्ता हैं: लोगों को जुटाना, काम बाँटना और उसे पूरा करवाकर ही दम लेना आपको ख़ूब आता है। जब कहीं अन्याय होता दिखे, तो आप डटकर उसके विरुद्ध खड़े होते हैं और लड़ते हैं, चाहे मामला आपका अपना हो या किसी और का। आपको क्रोध जल्दी आता है; वह जितनी तेज़ी से भड़कता है, प्रायः उतनी ही तेज़ी से शांत भी हो जाता है, पर आवेश में कहे गए शब्द देर तक चुभते रहते हैं। उत्तर देने से पहले एक पल ठहरें और अपना जोश सही लड़ाइयों में लगाएँ, तो बहुत कम बाधाएँ आपका रास्ता रोक पाएँगी। मंगलवार आपका दिन माना जाता है।</translation>
    </message>
    <message>
        <source>Deep down, you want to stand on your own feet and steer your own life. You feel most content when a task is in your hands and you are free to do it your way, and inwardly you long to be the one who leads. Give that wish room to grow, and let others walk the road beside you.</source>
        <translation>मन की गहराई में आप अपने पैरों पर खड़े होना और अपने जीवन की बागडोर स्वयं सँभालना चाहते हैं। जब कोई काम आपके हाथ में हो और उसे अपने ढंग से करने की छूट हो, तब आपको सबसे अधिक संतोष मिलता है, और आप चाहते हैं कि नेतृत्व आप ही करें। इस इच्छा को पनपने दें, और दूसरों को भी इस राह पर अपने साथ चलने दें।</translation>
    </message>
    <message>
        <source>What your heart asks for most is love and harmony. You want to share your life with someone, to belong to a close circle and to know that the people around you are at peace with one another. Partnership brings out the best in you. Remember that in every partnership your own needs deserve a voice too.</source>
        <translation>आपके हृदय की सबसे बड़ी इच्छा प्रेम और सामंजस्य है। आप अपना जीवन किसी के साथ बाँटना चाहते हैं, अपनों के एक घनिष्ठ दायरे का हिस्सा बनना चाहते हैं, और चाहते हैं कि आपके आसपास के लोग आपस में मेल से रहें। साझेदारी में आपके सबसे अच्छे गुण निखरते हैं। याद रखें कि हर साझेदारी में आपकी अपनी आवश्यकताओं को भी स्थान मिलना चाहिए।</translation>
    </message>
    <message>
        <source>Inwardly you long to express yourself: to create, to tell, to make something that was not there before. You want your life to hold laughter, good company and room to enjoy it. When you let that joy flow into words, art or music, you feel truly alive, and your happiness reaches everyone near you.</source>
        <translation>भीतर से आप स्वयं को व्यक्त करना चाहते हैं: कुछ रचना, कुछ कहना, कुछ ऐसा बनाना जो पहले नहीं था। आप चाहते हैं कि आपके जीवन में हँसी हो, अच्छी संगत हो और उसका आनंद लेने का अवसर हो। जब आप इस उमंग को शब्दों, कला या संगीत में ढलने देते हैं, तो आप सचमुच जीवंत हो उठते हैं, और आपकी प्रसन्नता आसपास के सभी लोगों तक पहुँचती है।</translation>
    </message>
    <message>
        <source>At heart you want security: a sound roof, a steady income and a plan you can rely on. Order calms you, and you feel at ease when things are in their place and promises are kept. This wish is what makes you a builder. Just leave a little room for surprises, since not every good thing arrives on schedule.</source>
        <translation>दिल से आप सुरक्षा चाहते हैं: सिर पर मज़बूत छत, नियमित आय और एक ऐसी योजना जिस पर भरोसा किया जा सके। व्यवस्था से आपके मन को शांति मिलती है; जब हर चीज़ अपनी जगह हो और दिए गए वचन निभाए जाएँ, तब आप निश्चिंत रहते हैं। यही इच्छा आपको निर्माता बनाती है। बस अनपेक्षित बातों के लिए भी थोड़ी गुंजाइश रखें, क्योंकि हर अच्छी चीज़ तय समय पर नहीं आती।</translation>
    </message>
    <message>
        <source>Your inner self craves freedom and variety. You want to see new places, meet new people and try things you have never done, and a life that repeats itself feels like a closed room. Feed that hunger for experience, but choose a few commitments worth keeping, so that freedom gives you depth as well as excitement.</source>
        <translation>आपका अंतर्मन स्वतंत्रता और विविधता के लिए तरसता है। आप नई जगहें देखना, नए लोगों से मिलना और ऐसे काम आज़माना चाहते हैं जो आपने पहले कभी नहीं किए; एक ही ढर्रे पर चलता जीवन आपको बंद कमरे जैसा लगता है। अनुभवों की इस प्यास को बुझाएँ, पर कुछ ऐसी प्रतिबद्धताएँ भी चुनें जिन्हें निभाना सार्थक हो, ताकि स्वतंत्रता आपको रोमांच के साथ गहराई भी दे।</translation>
    </message>
    <message>
        <source>What you want most is to look after the people you love. A warm home, a happy family and friends who know they can count on you give your life its meaning, and you feel fulfilled when you are needed. Let others care for you in return, because love is whole only when it flows both ways.</source>
        <translation>आपकी सबसे बड़ी इच्छा अपने प्रियजनों की देखभाल करना है। स्नेह से भरा घर, सुखी परिवार और ऐसे मित्र जो जानते हों कि वे आप पर भरोसा कर सकते हैं, यही आपके जीवन को अर्थ देते हैं, और जब किसी को आपकी आवश्यकता होती है, तब आपको संतोष मिलता है। दूसरों को भी अपनी देखभाल करने दें, क्योंकि प्रेम तभी पूरा होता है जब वह दोनों ओर से बहे।</translation>
    </message>
    <message>
        <source>Inwardly you seek understanding. You want to know what lies beneath the surface of things and what is simply true, and you need quiet and solitude to find it; your best thoughts arrive in silence. Honour that need for time alone, and share what you learn with the few who truly want to know.</source>
        <translation>भीतर से आप समझ की खोज में रहते हैं। आप जानना चाहते हैं कि चीज़ों की सतह के नीचे क्या छिपा है और सत्य क्या है, और इसे पाने के लिए आपको शांति और एकांत चाहिए; आपके सबसे अच्छे विचार मौन में ही जन्म लेते हैं। एकांत की इस आवश्यकता का सम्मान करें, और जो सीखें उसे उन गिने-चुने लोगों के साथ बाँटें जो सचमुच जानना चाहते हैं।</translation>
    </message>
    <message>
        <source>Deep within, you want to achieve. You long to master the practical world of work, money and influence, and to see your effort take a solid shape that others respect. Success is not vanity for you but proof of what you can do. Pair that drive with generosity, and your achievements will bring you peace of mind as well.</source>
        <translation>आपके भीतर उपलब्धि की गहरी इच्छा है। आप काम, धन और प्रभाव की व्यावहारिक दुनिया में पूरी दक्षता पाना चाहते हैं, और चाहते हैं कि आपका प्रयास ऐसा ठोस रूप ले जिसका दूसरे सम्मान करें। सफलता आपके लिए दिखावा नहीं, बल्कि आपकी क्षमता का प्रमाण है। इस लगन के साथ उदारता को भी जोड़ें, तो आपकी उपलब्धियाँ आपको मन की शांति भी देंगी।</translation>
    </message>
    <message>
        <source>Your heart is set on ideals larger than yourself. You want to serve humanity, to ease suffering and to leave the world a little kinder than you found it, and you feel close to people far beyond your own circle. Keep that wide vision, but look after those near you too, so that your service begins at home.</source>
        <translation>आपका मन उन आदर्शों से जुड़ा है जो आपसे कहीं बड़े हैं। आप मानवता की सेवा करना, दुख कम करना और संसार को पहले से थोड़ा अधिक दयालु बनाना चाहते हैं, और अपने दायरे से बहुत दूर के लोगों से भी आप अपनापन अनुभव करते हैं। इस व्यापक दृष्टि को बनाए रखें, पर अपने निकट के लोगों का भी ध्यान रखें, ताकि आपकी सेवा घर से ही आरंभ हो।</translation>
    </message>
    <message>
        <source>Others see you as confident and decisive. You walk into a room as if you know exactly why you are there, and when a choice has to be made you make it without fuss. In a crisis people often turn to you. Add a ready smile to that strong first impression, and they will find you warm as well as capable.</source>
        <translation>दूसरों की नज़र में आप आत्मविश्वासी हैं और दृढ़ता से निर्णय लेते हैं। आप जहाँ भी जाते हैं, ऐसे आत्मविश्वास से जाते हैं मानो आपको ठीक-ठीक पता हो कि आप वहाँ क्यों हैं, और जब कुछ तय करना हो, तो बिना उलझे तुरंत तय कर लेते हैं। संकट के समय लोग प्रायः आपकी ओर देखते हैं। इस प्रभावशाली पहली छाप के साथ एक सहज मुस्कान भी जोड़ दें, तो लोग आपको केवल सक्षम ही नहीं, आत्मीय भी पाएँगे।</translation>
    </message>
    <message>
        <source>People find you gentle and easy to talk to. Your manner is soft, you listen without judging, and even strangers open up to you sooner than they expected. You come across as someone who would never hurt them, so they readily confide in you. Just make sure nobody mistakes your kindness for weakness.</source>
        <translation>लोग आपको सौम्य पाते हैं, और उन्हें लगता है कि आपसे बात करना आसान है। आपका व्यवहार कोमल है, आप बिना कोई राय बनाए सुनते हैं, और अनजान लोग भी उम्मीद से कहीं जल्दी आपके सामने अपना मन खोल देते हैं। आपको देखकर लगता है कि आप किसी को ठेस नहीं पहुँचाएँगे, इसलिए लोग सहज ही आपको अपना राज़दार बना लेते हैं। बस ध्यान रखें कि कोई आपकी दयालुता को आपकी कमज़ोरी न समझ ले।</translation>
    </message>
    <message>
        <source>You come across as charming and sociable, the kind of person who livens up a gathering simply by arriving. Your humour, your stories and your genuine interest in others make people warm to you quickly, and invitations find you easily. Let a few friends see your serious side as well, so that they value your depth as much as your sparkle.</source>
        <translation>लोगों को आप आकर्षक और मिलनसार लगते हैं, ऐसे व्यक्ति जिनके आते ही महफ़िल में जान आ जाती है। आपके विनोदी स्वभाव, आपकी बातों और दूसरों में आपकी सच्ची रुचि के कारण लोग जल्दी ही आपसे घुल-मिल जाते हैं, और निमंत्रण आपके पास सहज ही आते हैं। कुछ मित्रों को अपना गंभीर पक्ष भी देखने दें, ताकि वे आपकी चमक के साथ आपकी गहराई को भी पहचानें।</translation>
    </message>
    <message>
        <source>Others see you as reliable and down to earth. You mean what you say, arrive when you said you would and finish what you start, so people trust you with the things that matter. You seem steady in any weather. Show your lighter, playful side now and then, and that trust will deepen into real warmth.</source>
        <translation>दूसरों की नज़र में आप भरोसेमंद और ज़मीन से जुड़े व्यक्ति हैं। आप जो कहते हैं वही करते हैं, कहे हुए समय पर पहुँचते हैं और जो काम आरंभ करते हैं उसे पूरा करते हैं, इसलिए लोग महत्वपूर्ण काम भी निश्चिंत होकर आपको सौंप देते हैं। हर परिस्थिति में आप स्थिर दिखाई देते हैं। कभी-कभी अपना हल्का-फुल्का, हँसमुख पक्ष भी दिखाएँ, तो यह भरोसा सच्ची आत्मीयता में बदल जाएगा।</translation>
    </message>
    <message>
        <source>People see you as lively and adventurous, always ready for the next plan or journey. Your energy is catching, and in your company an ordinary day can feel like an outing. Others count on you to suggest something new. They may also wonder whether you will stay, so show those close to you that your loyalty is as real as your love of change.</source>
        <translation>लोगों को आप जीवंत और रोमांच-प्रेमी लगते हैं, ऐसे व्यक्ति जो अगली योजना या अगली यात्रा के लिए सदा तैयार रहते हैं। आपकी ऊर्जा दूसरों में भी उत्साह भर देती है, और आपके साथ साधारण दिन भी सैर जैसा लगता है। कुछ नया सुझाने के लिए लोग आपकी ओर देखते हैं। उन्हें यह संदेह भी हो सकता है कि आप टिकेंगे या नहीं, इसलिए अपने निकट के लोगों को दिखाएँ कि आपकी निष्ठा भी उतनी ही सच्ची है जितना परिवर्तन के प्रति आपका प्रेम।</translation>
    </message>
    <message>
        <source>Others see you as warm and responsible: someone who remembers birthdays, notices when a friend is low and steps in when help is needed. People feel looked after in your company. Because you seem so dependable, you may be asked for more than is fair, so learn to say no kindly when your own load is full.</source>
        <translation>दूसरों की नज़र में आप आत्मीय और ज़िम्मेदार व्यक्ति हैं: ऐसे व्यक्ति जो जन्मदिन याद रखते हैं, किसी मित्र की उदासी तुरंत भाँप लेते हैं और सहायता की आवश्यकता हो तो आगे आ जाते हैं। आपके साथ लोगों को लगता है कि कोई उनका ध्यान रख रहा है। आप इतने भरोसेमंद दिखते हैं कि लोग आपसे उचित से अधिक अपेक्षा कर सकते हैं, इसलिए जब आप पर पहले से ही काफ़ी बोझ हो, तो विनम्रता से मना करना सीखें।</translation>
    </message>
    <message>
        <source>You strike others as reserved and a little mysterious. You speak when you have something to say, keep your private life private and seem to know more than you reveal. People are curious about you, yet it takes them a long time to feel they truly know you. Open up a little to those you trust, and they will find a thoughtful, loyal friend.</source>
        <translation>दूसरों को आप मितभाषी और कुछ-कुछ रहस्यमय लगते हैं। आप तभी बोलते हैं जब कहने को कुछ हो, अपने निजी जीवन को निजी ही रखते हैं, और ऐसा लगता है कि आप जितना बताते हैं उससे अधिक जानते हैं। लोग आपके बारे में जानने को उत्सुक रहते हैं, फिर भी उन्हें यह अनुभव होने में लंबा समय लगता है कि वे आपको सचमुच जानते हैं। जिन पर आपको भरोसा है, उनके सामने थोड़ा खुलें, तो वे आपमें एक विचारशील और निष्ठावान मित्र पाएँगे।</translation>
    </message>
    <message>
        <source>People see you as authoritative and capable, someone who could take charge of the whole place. Your word carries weight, and others often defer to you without being asked. Big responsibilities are handed to you with confidence. Let some warmth show through your firmness, so that the respect people feel for you comes with affection.</source>
        <translation>लोगों को आप रौबदार और सक्षम लगते हैं, ऐसे व्यक्ति जो पूरी व्यवस्था अपने हाथ में ले सकते हों। आपकी बात में वज़न होता है, और बिना आपके कहे ही लोग प्रायः आपको आगे कर देते हैं। बड़ी ज़िम्मेदारियाँ लोग भरोसे के साथ आपको सौंपते हैं। अपनी दृढ़ता के बीच थोड़ी आत्मीयता भी झलकने दें, ताकि लोग आपका सम्मान करने के साथ-साथ आपसे स्नेह भी करें।</translation>
    </message>
    <message>
        <source>Others see you as compassionate and worldly: someone who has seen a good deal of life and judges people gently because of it. You seem at home with every kind of person, strangers sense your sympathy at once, and many bring their troubles to you. Keep a little of that kindness for yourself, so that your generosity never runs dry.</source>
        <translation>दूसरों की नज़र में आप करुणामय और अनुभवी व्यक्ति हैं: ऐसे व्यक्ति जिन्होंने जीवन को क़रीब से देखा है और इसीलिए लोगों को नरमी से परखते हैं। हर तरह के लोगों के बीच आप सहज दिखते हैं, अनजान लोग भी आपकी सहानुभूति तुरंत भाँप लेते हैं, और बहुत-से लोग अपनी परेशानियाँ लेकर आपके पास आते हैं। अपनी दयालुता का कुछ अंश अपने लिए भी बचाकर रखें, ताकि आपकी उदारता का स्रोत कभी न सूखे।</translation>
    </message>
    <message>
        <source>This is a year of fresh starts. A new cycle of nine years opens now, and whatever you begin in these months can keep growing for a long time. Start the project, the habit or the course you have been putting off. Think of yourself as sowing seeds: choose them with care, plant them boldly and trust them to grow.</source>
        <translation>यह नई शुरुआत का वर्ष है। नौ वर्षों का एक नया चक्र अब शुरू हो रहा है, और इन महीनों में आप जो भी आरंभ करेंगे, वह लंबे समय तक फलता-फूलता रह सकता है। जिस काम, आदत या पढ़ाई को आप टालते आ रहे हैं, उसे अब हाथ में लें। यह बीज बोने का समय है: बीज सोच-समझकर चुनें, साहस से बोएँ और भरोसा रखें कि वे उगेंगे।</translation>
    </message>
    <message>
        <source>This year asks for patience. Things are growing quietly, beneath the surface, and pushing hard will get you less than waiting wisely. It is a good time for partnership: work with others, listen closely and strengthen the bonds that matter to you. In the months ahead, small kindnesses and care over details will count for more than grand gestures.</source>
        <translation>यह वर्ष धैर्य माँगता है। चीज़ें भीतर-ही-भीतर चुपचाप बढ़ रही हैं, और ज़ोर लगाने से उतना नहीं मिलेगा जितना समझदारी से प्रतीक्षा करने से। साझेदारी के लिए यह अच्छा समय है: दूसरों के साथ मिलकर काम करें, ध्यान से सुनें और उन संबंधों को मज़बूत करें जो आपके लिए मायने रखते हैं। आने वाले महीनों में बड़े दिखावे नहीं, बल्कि छोटी-छोटी भलाइयाँ और बारीकियों पर दिया गया ध्यान अधिक काम आएगा।</translation>
    </message>
    <message>
        <source>This is a year to express yourself and to enjoy other people. Invitations, new friendships and creative ideas come more easily now. Write, speak up, make something, and let people see what you can do. Your social life may blossom, so enjoy good company to the full, but keep enough focus that your many plans become finished work.</source>
        <translation>यह स्वयं को व्यक्त करने और लोगों के साथ का आनंद लेने का वर्ष है। इन दिनों निमंत्रण, नई मित्रताएँ और रचनात्मक विचार सहज ही आते हैं। लिखें, अपनी बात कहें, कुछ रचें, और लोगों को देखने दें कि आप क्या कर सकते हैं। आपका सामाजिक जीवन खिल सकता है, इसलिए अच्छी संगत का भरपूर आनंद लें, पर इतना ध्यान बनाए रखें कि आपकी अनेक योजनाएँ अधूरी न रह जाएँ।</translation>
    </message>
    <message>
        <source>This is a year of hard work and firm foundations. Progress may feel slow, yet whatever you build carefully now will support you for years. Put your finances, your health and your home in order, and keep to a steady routine. The work is real, but so is the reward: a solid base for everything that follows.</source>
        <translation>यह कड़े परिश्रम और मज़बूत नींव रखने का वर्ष है। प्रगति धीमी लग सकती है, पर जो कुछ आप अभी सावधानी से बनाएँगे, वह वर्षों तक आपका सहारा बनेगा। अपने आर्थिक मामलों, स्वास्थ्य और घर को व्यवस्थित करें, और नियमित दिनचर्या पर टिके रहें। परिश्रम सचमुच करना होगा, पर उसका प्रतिफल भी उतना ही सच्चा है: आगे आने वाली हर चीज़ के लिए एक ठोस आधार।</translation>
    </message>
    <message>
        <source>Change is in the air this year. Expect movement: travel, new people, new ideas and perhaps a change of work or home. You will feel freer than you have for some time and eager to try new things. Welcome the surprises, stay flexible and avoid rash promises, because this is a year for exploring rather than settling down.</source>
        <translation>इस वर्ष परिवर्तन की हवा चल रही है। हलचल के लिए तैयार रहें: यात्राएँ, नए लोग, नए विचार और संभवतः काम या घर में कोई परिवर्तन। पिछले कुछ समय की तुलना में आप स्वयं को अधिक स्वतंत्र अनुभव करेंगे और नई चीज़ें आज़माने को उत्सुक रहेंगे। अप्रत्याशित मोड़ों का स्वागत करें, लचीले बने रहें और जल्दबाज़ी में वचन न दें, क्योंकि यह वर्ष कहीं जमकर बसने का नहीं, बल्कि नई राहें खोजने का है।</translation>
    </message>
    <message>
        <source>Home and family take centre stage this year. Your loved ones may need more of your time, and new duties may fall to you, such as caring for a relative, settling a household matter or strengthening your marriage. Meet them with an open heart. Beauty and comfort at home matter now, and so does caring for yourself as you care for others.</source>
        <translation>इस वर्ष घर और परिवार आपके जीवन के केंद्र में रहेंगे। प्रियजनों को आपके अधिक समय की आवश्यकता हो सकती है, और कुछ नए दायित्व आप पर आ सकते हैं, जैसे किसी संबंधी की देखभाल, घर का कोई मामला सुलझाना या अपने वैवाहिक संबंध को और मज़बूत करना। इन्हें खुले मन से निभाएँ। इन दिनों घर का सौंदर्य और सुख-सुविधा महत्वपूर्ण हैं, और उतना ही महत्वपूर्ण है कि दूसरों की देखभाल के साथ-साथ आप अपनी देखभाल भी करें।</translation>
    </message>
    <message>
        <source>This is a quieter year, made for reflection and study. Step back from the rush, spend time alone and ask yourself what you truly want from the years ahead. Reading, learning, meditation and rest will serve you better than chasing results. Answers come from within now, so listen to your intuition and do not force decisions.</source>
        <translation>यह अपेक्षाकृत शांत वर्ष है, जो चिंतन और अध्ययन के लिए बना है। भाग-दौड़ से थोड़ा पीछे हटें, एकांत में समय बिताएँ और स्वयं से पूछें कि आने वाले वर्षों से आप सचमुच क्या चाहते हैं। परिणामों के पीछे भागने से अधिक लाभ आपको पढ़ने, सीखने, ध्यान और विश्राम से मिलेगा। इन दिनों उत्तर भीतर से आते हैं, इसलिए अपने अंतर्ज्ञान की बात सुनें और निर्णयों के लिए स्वयं पर दबाव न डालें।</translation>
    </message>
    <message>
        <source>This is a year of harvest. The work of earlier years can now bear results in your career and your finances, through a promotion, a profitable deal or recognition long deserved. Act with confidence, ask for what you are worth and handle money wisely. Authority and success come more readily now; use them fairly, and they will stay.</source>
        <translation>यह परिश्रम की फ़सल काटने का वर्ष है। पिछले वर्षों में किया गया काम अब आपके करियर और आर्थिक स्थिति में रंग ला सकता है, चाहे पदोन्नति के रूप में, किसी लाभदायक सौदे के रूप में या उस मान्यता के रूप में जिसके आप लंबे समय से हक़दार थे। आत्मविश्वास से काम लें, अपनी योग्यता के अनुसार उचित माँग रखें और धन को समझदारी से सँभालें। इन दिनों अधिकार और सफलता अधिक सहजता से मिलते हैं; उनका उपयोग न्याय से करें, तो वे टिके रहेंगे।</translation>
    </message>
    <message>
        <source>This year completes a cycle of nine. It is a time to finish what is unfinished, forgive what can be forgiven and let go of whatever no longer fits your life: old habits, worn-out plans, even some relationships. Clear the ground with gratitude rather than regret, because the space you make now is where your next fresh start will grow.</source>
        <translation>यह वर्ष नौ वर्षों के एक चक्र का समापन है। यह अधूरे कामों को पूरा करने, जो क्षमा किया जा सके उसे क्षमा करने और वह सब छोड़ देने का समय है जो अब आपके जीवन से मेल नहीं खाता: पुरानी आदतें, घिसी-पिटी योजनाएँ, यहाँ तक कि कुछ संबंध भी। यह सब पछतावे के साथ नहीं, कृतज्ञता के साथ विदा करें, क्योंकि अभी आप जो जगह बनाएँगे, वहीं आपकी अगली नई शुरुआत पनपेगी।</translation>
    </message>
    <message>
        <source>A single 1 makes you a good speaker who can put your thoughts into clear words, though you tend to keep your deeper feelings to yourself.</source>
        <translation>ग्रिड में 1 एक बार हो, तो आप अच्छे वक्ता होते हैं और अपने विचार स्पष्ट शब्दों में रख पाते हैं, हालाँकि अपनी गहरी भावनाएँ प्रायः मन में ही छिपाए रखते हैं।</translation>
    </message>
    <message>
        <source>A single 2 makes you intuitive and sensitive; you often sense what people feel before they tell you.</source>
        <translation>ग्रिड में 2 एक बार हो, तो आपका अंतर्ज्ञान प्रबल होता है और आप संवेदनशील होते हैं; लोगों के बताने से पहले ही आप प्रायः उनकी भावनाएँ भाँप लेते हैं।</translation>
    </message>
    <message>
        <source>A single 3 gives you a good memory and an alert, lively mind.</source>
        <translation>ग्रिड में 3 एक बार हो, तो आपकी स्मरण शक्ति अच्छी होती है और मन सजग तथा फुर्तीला रहता है।</translation>
    </message>
    <message>
        <source>A single 4 makes you practical and organised, someone who likes every task done properly.</source>
        <translation>ग्रिड में 4 एक बार हो, तो आप व्यावहारिक और व्यवस्थित होते हैं, और चाहते हैं कि हर काम ठीक ढंग से हो।</translation>
    </message>
    <message>
        <source>A single 5 in the centre of the grid gives you emotional balance and a compassionate heart.</source>
        <translation>ग्रिड के बीच वाले खाने में 5 एक बार हो, तो आपकी भावनाएँ संतुलित रहती हैं और हृदय करुणा से भरा होता है।</translation>
    </message>
    <message>
        <source>A single 6 makes you creative and deeply attached to your home.</source>
        <translation>ग्रिड में 6 एक बार हो, तो आप रचनात्मक होते हैं और अपने घर से आपको गहरा लगाव होता है।</translation>
    </message>
    <message>
        <source>A single 7 suggests that some of your deepest lessons come through a loss or a disappointment.</source>
        <translation>ग्रिड में 7 एक बार हो, तो जीवन के कुछ सबसे गहरे सबक आपको किसी हानि या निराशा से मिलते हैं।</translation>
    </message>
    <message>
        <source>A single 8 makes you methodical and careful with detail.</source>
        <translation>ग्रिड में 8 एक बार हो, तो आप हर काम एक पद्धति से करते हैं और बारीकियों पर पूरा ध्यान देते हैं।</translation>
    </message>
    <message>
        <source>A single 9 brings ambition, a sense of responsibility and high ideals.</source>
        <translation>ग्रिड में 9 एक बार हो, तो आपमें महत्वाकांक्षा, ज़िम्मेदारी की भावना और ऊँचे आदर्श होते हैं।</translation>
    </message>
    <message>
        <source>Two 1s bring balanced self-expression: you can say what you think and feel at the right moment. With three or more the balance tips, and you may become very talkative or, just as often, very quiet.</source>
        <translation>ग्रिड में 1 दो बार हो, तो आपकी अभिव्यक्ति संतुलित रहती है: आप अपने विचार और भावनाएँ सही समय पर व्यक्त कर पाते हैं। तीन या अधिक बार हो, तो यह संतुलन बिगड़ जाता है, और आप या तो बहुत बोलने लगते हैं या फिर बहुत चुप रहने लगते हैं।</translation>
    </message>
    <message>
        <source>Two 2s make you a quick and usually accurate judge of people. With three or more you may become oversensitive and withdraw into yourself when you feel hurt.</source>
        <translation>ग्रिड में 2 दो बार हो, तो आप लोगों को जल्दी और प्रायः सही परख लेते हैं। तीन या अधिक बार हो, तो आप अति संवेदनशील हो सकते हैं और ठेस लगने पर अपने में सिमट जाते हैं।</translation>
    </message>
    <message>
        <source>Two 3s bring a vivid imagination and a gift for writing. With three or more, imagination can crowd out reality, so keep your feet on the ground.</source>
        <translation>ग्रिड में 3 दो बार हो, तो आपकी कल्पनाशक्ति प्रखर होती है और लेखन में आपकी विशेष प्रतिभा होती है। तीन या अधिक बार हो, तो कल्पना यथार्थ पर हावी हो सकती है, इसलिए पाँव ज़मीन पर टिकाए रखें।</translation>
    </message>
    <message>
        <source>Two 4s turn your attention strongly toward material things. With three or more you may become so tied to material work that stepping away from it feels hard.</source>
        <translation>ग्रिड में 4 दो बार हो, तो आपका ध्यान भौतिक बातों पर अधिक केंद्रित रहता है। तीन या अधिक बार हो, तो आप भौतिक कामकाज से इतने बँध सकते हैं कि उससे हटना कठिन लगे।</translation>
    </message>
    <message>
        <source>Two 5s give you strong determination. With three or more your emotions run high and can be hard to temper.</source>
        <translation>ग्रिड में 5 दो बार हो, तो आपका संकल्प दृढ़ होता है। तीन या अधिक बार हो, तो भावनाएँ उफान पर रहती हैं और उन्हें सँभालना कठिन हो सकता है।</translation>
    </message>
    <message>
        <source>Two 6s can bring worry over home and family. With three or more, care may turn into a wish to shield your loved ones from everything, so let them find their own way.</source>
        <translation>ग्रिड में 6 दो बार हो, तो घर-परिवार को लेकर चिंता बनी रह सकती है। तीन या अधिक बार हो, तो यह देखभाल अपनों को हर बात से बचाए रखने की अति में बदल सकती है, इसलिए उन्हें अपनी राह स्वयं खोजने दें।</translation>
    </message>
    <message>
        <source>Two 7s draw you toward the metaphysical and the hidden side of life. Three or more can bring heavy losses, but if you come through them you gain real wisdom.</source>
        <translation>ग्रिड में 7 दो बार हो, तो आध्यात्मिक विषय और जीवन का गूढ़ पक्ष आपको अपनी ओर खींचते हैं। तीन या अधिक बार हो, तो बड़ी हानियाँ झेलनी पड़ सकती हैं, पर यदि आप उनसे उबर जाएँ, तो आपको सच्चा ज्ञान प्राप्त होता है।</translation>
    </message>
    <message>
        <source>Two 8s give you sharp judgement and a love of travel. With three or more, that energy can turn into restlessness.</source>
        <translation>ग्रिड में 8 दो बार हो, तो आपकी परख पैनी होती है और आपको यात्रा से प्रेम होता है। तीन या अधिक बार हो, तो यही ऊर्जा बेचैनी में बदल सकती है।</translation>
    </message>
    <message>
        <source>Two 9s make you idealistic and sometimes quick to criticise those who fall short. With three or more you may exaggerate and become hard for others to manage, so temper your high standards with patience.</source>
        <translation>ग्रिड में 9 दो बार हो, तो आप आदर्शवादी होते हैं, और कभी-कभी उन लोगों की जल्दी आलोचना करने लगते हैं जो आपकी अपेक्षाओं पर खरे नहीं उतरते। तीन या अधिक बार हो, तो आप बातों को बढ़ा-चढ़ाकर कहने लगते हैं और दूसरों के लिए आपको सँभालना कठिन हो सकता है, इसलिए अपने ऊँचे मानदंडों के साथ धैर्य भी रखें।</translation>
    </message>
    <message>
        <source>With no 1 in your grid, speaking up with confidence, especially in front of others, takes conscious effort.</source>
        <translation>ग्रिड में 1 न हो, तो आत्मविश्वास के साथ अपनी बात कहने के लिए, विशेषकर दूसरों के सामने, सचेत प्रयास करना पड़ता है।</translation>
    </message>
    <message>
        <source>With no 2 in your grid, you may miss what others leave unsaid, so ask rather than guess.</source>
        <translation>ग्रिड में 2 न हो, तो दूसरों की अनकही बातें आपसे छूट सकती हैं, इसलिए अनुमान लगाने के बजाय पूछ लेना बेहतर है।</translation>
    </message>
    <message>
        <source>With no 3 in your grid, putting your ideas in order and explaining them to others takes extra effort.</source>
        <translation>ग्रिड में 3 न हो, तो अपने विचारों को क्रम देने और उन्हें दूसरों को समझाने के लिए अधिक प्रयास करना पड़ता है।</translation>
    </message>
    <message>
        <source>With no 4 in your grid, order and discipline do not come by themselves; you build them step by step, through practice.</source>
        <translation>ग्रिड में 4 न हो, तो व्यवस्था और अनुशासन अपने-आप नहीं आते; उन्हें अभ्यास से धीरे-धीरे विकसित करना पड़ता है।</translation>
    </message>
    <message>
        <source>With no 5 in your grid, change can feel frightening, and getting your meaning across to others calls for extra care.</source>
        <translation>ग्रिड में 5 न हो, तो परिवर्तन से डर लग सकता है, और अपनी बात ठीक से दूसरों तक पहुँचाने के लिए अधिक सावधानी बरतनी पड़ती है।</translation>
    </message>
    <message>
        <source>With no 6 in your grid, your home life and a creative outlet need time and attention given on purpose.</source>
        <translation>ग्रिड में 6 न हो, तो घर-परिवार के जीवन और अपनी रचनात्मकता के लिए सोच-समझकर समय और ध्यान देना पड़ता है।</translation>
    </message>
    <message>
        <source>With no 7 in your grid, a lesson of sacrifice may lie ahead: something will have to be given up so that something better can come.</source>
        <translation>ग्रिड में 7 न हो, तो आगे जीवन में त्याग का कोई सबक मिल सकता है: कुछ बेहतर पाने के लिए कुछ छोड़ना पड़ेगा।</translation>
    </message>
    <message>
        <source>With no 8 in your grid, attention to detail and a methodical way of working take conscious effort.</source>
        <translation>ग्रिड में 8 न हो, तो बारीकियों पर ध्यान देने और पद्धति से काम करने के लिए सचेत प्रयास करना पड़ता है।</translation>
    </message>
    <message>
        <source>With no 9 in your grid, responsibility does not come naturally; you take it on by choosing it consciously.</source>
        <translation>ग्रिड में 9 न हो, तो ज़िम्मेदारी उठाना स्वभाव से नहीं आता; इसे आपको सोच-समझकर, सचेत रूप से चुनना पड़ता है।</translation>
    </message>
    <message>
        <source>Mental plane</source>
        <translation>मानसिक तल</translation>
    </message>
    <message>
        <source>With 4, 9 and 2 all in your grid, the mental plane is complete: you think sharply, remember well and enjoy getting to the root of a problem.</source>
        <translation>ग्रिड में 4, 9 और 2 तीनों हों, तो मानसिक तल की पूर्ण रेखा बनती है: आप पैनी बुद्धि से सोचते हैं, बातें अच्छी तरह याद रखते हैं और किसी भी समस्या की जड़ तक पहुँचने में आपको आनंद आता है।</translation>
    </message>
    <message>
        <source>With none of 4, 9 and 2 in your grid, the mental plane is empty: staying focused and remembering things take conscious effort, and lists and routines will help.</source>
        <translation>ग्रिड में 4, 9 और 2 में से कोई भी अंक न हो, तो मानसिक तल की रेखा खाली रहती है: ध्यान टिकाए रखने और बातें याद रखने के लिए सचेत प्रयास करना पड़ता है, और सूचियाँ तथा नियमित दिनचर्या इसमें सहायक होंगी।</translation>
    </message>
    <message>
        <source>Emotional plane</source>
        <translation>भावनात्मक तल</translation>
    </message>
    <message>
        <source>With 3, 5 and 7 all in your grid, the emotional plane is complete: you feel deeply, trust your intuition and lean naturally toward the spiritual.</source>
        <translation>ग्रिड में 3, 5 और 7 तीनों हों, तो भावनात्मक तल की पूर्ण रेखा बनती है: आपकी भावनाएँ गहरी होती हैं, आप अपने अंतर्ज्ञान पर भरोसा रखते हैं और आपका मन स्वभाव से आध्यात्मिकता की ओर झुका रहता है।</translation>
    </message>
    <message>
        <source>With none of 3, 5 and 7 in your grid, the emotional plane is empty: you keep your feelings closely guarded, and even with people you trust, opening up takes time.</source>
        <translation>ग्रिड में 3, 5 और 7 में से कोई भी अंक न हो, तो भावनात्मक तल की रेखा खाली रहती है: आप अपनी भावनाओं पर कड़ा पहरा रखते हैं, और भरोसेमंद लोगों के सामने भी मन खोलने में आपको समय लगता है।</translation>
    </message>
    <message>
        <source>Practical plane</source>
        <translation>व्यावहारिक तल</translation>
    </message>
    <message>
        <source>With 8, 1 and 6 all in your grid, the practical plane is complete: you like to work with your own hands, you stay organised, and you handle tools, money and material things with skill.</source>
        <translation>ग्रिड में 8, 1 और 6 तीनों हों, तो व्यावहारिक तल की पूर्ण रेखा बनती है: आप अपने हाथों से काम करना पसंद करते हैं, व्यवस्थित रहते हैं और औज़ारों, धन तथा भौतिक चीज़ों को कुशलता से सँभालते हैं।</translation>
    </message>
    <message>
        <source>With none of 8, 1 and 6 in your grid, the practical plane is empty: starting a task is easy, but seeing it through to the end takes conscious effort.</source>
        <translation>ग्रिड में 8, 1 और 6 में से कोई भी अंक न हो, तो व्यावहारिक तल की रेखा खाली रहती है: काम आरंभ करना तो आसान है, पर उसे अंत तक पहुँचाने के लिए सचेत प्रयास करना पड़ता है।</translation>
    </message>
    <message>
        <source>Thought plane</source>
        <translation>विचार तल</translation>
    </message>
    <message>
        <source>With 4, 3 and 8 all in your grid, the thought plane is complete: you form clear plans and carry them out step by step.</source>
        <translation>ग्रिड में 4, 3 और 8 तीनों हों, तो विचार तल की पूर्ण रेखा बनती है: आप स्पष्ट योजनाएँ बनाते हैं और उन्हें चरण-दर-चरण पूरा करते हैं।</translation>
    </message>
    <message>
        <source>With none of 4, 3 and 8 in your grid, the thought plane is empty: ideas come, but they stay scattered until you write them down and put them in order.</source>
        <translation>ग्रिड में 4, 3 और 8 में से कोई भी अंक न हो, तो विचार तल की रेखा खाली रहती है: विचार तो आते हैं, पर जब तक आप उन्हें लिखकर क्रम न दें, वे बिखरे ही रहते हैं।</translation>
    </message>
    <message>
        <source>Will plane</source>
        <translation>इच्छाशक्ति तल</translation>
    </message>
    <message>
        <source>With 9, 5 and 1 all in your grid, the will plane is complete: your willpower is strong, and you keep going until the goal is reached.</source>
        <translation>ग्रिड में 9, 5 और 1 तीनों हों, तो इच्छाशक्ति तल की पूर्ण रेखा बनती है: आपकी इच्छाशक्ति प्रबल है, और लक्ष्य तक पहुँचे बिना आप रुकते नहीं।</translation>
    </message>
    <message>
        <source>With none of 9, 5 and 1 in your grid, the will plane is empty: you may waver once the first enthusiasm cools, so small but firm resolutions will help.</source>
        <translation>ग्रिड में 9, 5 और 1 में से कोई भी अंक न हो, तो इच्छाशक्ति तल की रेखा खाली रहती है: आरंभिक उत्साह ठंडा पड़ते ही आपका मन डगमगा सकता है, इसलिए छोटे पर पक्के संकल्प सहायक होंगे।</translation>
    </message>
    <message>
        <source>Action plane</source>
        <translation>कर्म तल</translation>
    </message>
    <message>
        <source>With 2, 7 and 6 all in your grid, the action plane is complete: you turn ideas into deeds without waiting to be asked.</source>
        <translation>ग्रिड में 2, 7 और 6 तीनों हों, तो कर्म तल की पूर्ण रेखा बनती है: आप विचारों को कर्म में बदलते हैं, और इसके लिए किसी के कहने की प्रतीक्षा नहीं करते।</translation>
    </message>
    <message>
        <source>With none of 2, 7 and 6 in your grid, the action plane is empty: you may hesitate before you act, so decide on a small first step and take it.</source>
        <translation>ग्रिड में 2, 7 और 6 में से कोई भी अंक न हो, तो कर्म तल की रेखा खाली रहती है: कुछ करने से पहले आप हिचकिचा सकते हैं, इसलिए पहला छोटा कदम तय करें और उसे उठा लें।</translation>
    </message>
    <message>
        <source>Golden Rajyog</source>
        <translation>स्वर्ण राजयोग</translation>
    </message>
    <message>
        <source>With 4, 5 and 6 all in your grid, the line of the Golden Rajyog, the line of success, is complete: you turn chances into results, and prosperity tends to follow your work.</source>
        <translation>ग्रिड में 4, 5 और 6 तीनों हों, तो स्वर्ण राजयोग की पूर्ण रेखा बनती है, जो सफलता की रेखा है: आप अवसरों को परिणामों में बदलते हैं, और समृद्धि प्रायः आपके परिश्रम के पीछे-पीछे आती है।</translation>
    </message>
    <message>
        <source>With none of 4, 5 and 6 in your grid, the line of the Golden Rajyog is empty: for a while your efforts may go unrewarded, but steady work pays in the end.</source>
        <translation>ग्रिड में 4, 5 और 6 में से कोई भी अंक न हो, तो स्वर्ण राजयोग की रेखा खाली रहती है: कुछ समय तक आपके प्रयासों का उचित प्रतिफल नहीं मिल पाता, पर लगातार परिश्रम अंततः रंग लाता है।</translation>
    </message>
    <message>
        <source>Silver Rajyog</source>
        <translation>रजत राजयोग</translation>
    </message>
    <message>
        <source>With 2, 5 and 8 all in your grid, the line of the Silver Rajyog is complete: you negotiate well, stay steady under pressure and keep your emotions in balance.</source>
        <translation>ग्रिड में 2, 5 और 8 तीनों हों, तो रजत राजयोग की पूर्ण रेखा बनती है: आप बातचीत से मामले सुलझाने में कुशल होते हैं, दबाव में भी स्थिर रहते हैं और आपकी भावनाएँ संतुलित रहती हैं।</translation>
    </message>
    <message>
        <source>With none of 2, 5 and 8 in your grid, the line of the Silver Rajyog is empty: you may take things too much to heart, so give yourself a moment before you react.</source>
        <translation>ग्रिड में 2, 5 और 8 में से कोई भी अंक न हो, तो रजत राजयोग की रेखा खाली रहती है: आप बातों को ज़रूरत से ज़्यादा दिल पर ले सकते हैं, इसलिए प्रतिक्रिया देने से पहले थोड़ा ठहरें।</translation>
    </message>
    <message>
        <source>Traditionally, the %1 is worn to make up for this missing number.</source>
        <translation>इस अंक की कमी पूरी करने के लिए परंपरागत रूप से %1 धारण किया जाता है।</translation>
    </message>
    <message>
        <source>A, E, I, O and U are vowels, and Y counts as a vowel when neither letter beside it in the name is one of them (Lynn, Mary, Yvonne) but as a consonant when a vowel stands beside it (Yolanda, Murray, Joy). A space, a hyphen, or the start or end of the name counts as no vowel.</source>
        <translation>A, E, I, O और U स्वर हैं; Y तब स्वर माना जाता है जब नाम में इसके आगे-पीछे इनमें से कोई अक्षर न हो, जैसे Lynn, Mary और Yvonne में, और तब व्यंजन, जब इसके आगे या पीछे स्वर हो, जैसे Yolanda, Murray और Joy में। शब्दों के बीच का रिक्त स्थान, हाइफ़न और नाम का आरंभ या अंत स्वर नहीं गिने जाते।</translation>
    </message>
    <message>
        <source>Every number is reduced by adding its digits, again and again, until one digit is left, so 29 becomes 11 and then 2; no master numbers are kept. Each letter is worth 1 to 9 by its place in the alphabet, counted in rows of nine: A, J and S are 1, B, K and T are 2, and so on up to I and R, which are 9.</source>
        <translation>हर संख्या के अंकों को तब तक बार-बार जोड़ा जाता है जब तक एक ही अंक न बच जाए, जैसे 29 से 11 और फिर 2; कोई मास्टर अंक अलग से नहीं रखा जाता। हर अक्षर का मान अंग्रेज़ी वर्णमाला में उसके स्थान के अनुसार, नौ-नौ के क्रम में, 1 से 9 तक होता है: A, J और S का 1, B, K और T का 2, और इसी तरह आगे I और R का 9।</translation>
    </message>
    <message>
        <source>The Lo Shu grid holds the digits of your birth date as it is written (day, month and year): zeros are left out, nothing is reduced, and a digit that appears twice is placed twice.</source>
        <translation>लो-शू ग्रिड के खानों में आपकी जन्म तिथि के अंक ठीक वैसे ही रखे जाते हैं जैसे तिथि लिखी जाती है (दिन, महीना और वर्ष): 0 को छोड़ दिया जाता है, किसी संख्या को जोड़कर एक अंक में नहीं बदला जाता, और जो अंक दो बार आए, वह दो बार रखा जाता है।</translation>
    </message>
    <message>
        <source>The grid can also hold your birth number and your life path number; they are marked as added, so that you can tell them apart from the digits of the date.</source>
        <translation>ग्रिड में आपके मूलांक और भाग्यांक को भी जोड़ा जा सकता है; इन्हें जोड़े गए अंकों के रूप में चिह्नित किया जाता है, ताकि जन्म तिथि के अंकों से इनकी अलग पहचान हो सके।</translation>
    </message>
    <message>
        <source>Y counts as a vowel: no vowel beside it</source>
        <translation>Y को स्वर माना गया: इसके आगे-पीछे कोई स्वर नहीं</translation>
    </message>
    <message>
        <source>Y counts as a consonant: a vowel beside it</source>
        <translation>Y को व्यंजन माना गया: इसके आगे या पीछे स्वर है</translation>
    </message>
    <message>
        <source>The soul urge comes from the vowels of a name, and this name has none.</source>
        <translation>आत्मांक नाम के स्वरों से निकाला जाता है, और इस नाम में कोई स्वर नहीं है।</translation>
    </message>
    <message>
        <source>The personality number comes from the consonants of a name, and this name has none.</source>
        <translation>व्यक्तित्व अंक नाम के व्यंजनों से निकाला जाता है, और इस नाम में कोई व्यंजन नहीं है।</translation>
    </message>
</context>
<context>
    <name>core::Compatibility</name>
    <message>
        <source>in harmony</source>
        <translation>सामंजस्यपूर्ण</translation>
    </message>
    <message>
        <source>friendly</source>
        <translation>मित्रवत्</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>तटस्थ</translation>
    </message>
    <message>
        <source>strained</source>
        <translation>तनावपूर्ण</translation>
    </message>
    <message>
        <source>opposed</source>
        <translation>विरोधी</translation>
    </message>
    <message>
        <source>Each of the two numbers counts the other as a friend, so the two of you are in harmony. Understanding comes easily, support flows both ways, and differences are settled without lasting hurt. Such a bond tends to grow warmer with time.</source>
        <translation>दोनों अंक एक-दूसरे को मित्र मानते हैं, इसलिए यह संबंध सामंजस्यपूर्ण है। आपस में समझ सहज ही बन जाती है, सहयोग दोनों ओर से मिलता है, और मतभेद बिना स्थायी कड़वाहट के सुलझ जाते हैं। समय के साथ ऐसा संबंध और भी आत्मीय होता जाता है।</translation>
    </message>
    <message>
        <source>One number counts the other as a friend, while the other is neutral in return, so the relation is friendly. The goodwill is real but not quite equal, and one of you may give a little more warmth. With patience the bond can grow deeper over time.</source>
        <translation>एक अंक दूसरे को मित्र मानता है, जबकि दूसरा उसके प्रति तटस्थ रहता है, इसलिए यह संबंध मित्रवत् है। सद्भाव सच्चा है, पर पूरी तरह बराबर नहीं, और आप दोनों में से कोई एक थोड़ी अधिक आत्मीयता दे सकता है। धैर्य रखें, तो समय के साथ यह संबंध और गहरा हो सकता है।</translation>
    </message>
    <message>
        <source>Each number regards the other as neutral, so the relation is neutral: no natural pull and no natural clash. What the two of you build depends on shared aims, respect and effort rather than on instinct. Such a bond can become a good one, but it has to be made.</source>
        <translation>दोनों अंक एक-दूसरे के प्रति तटस्थ हैं, इसलिए यह संबंध तटस्थ है: इसमें न स्वाभाविक आकर्षण है, न स्वाभाविक टकराव। आप दोनों मिलकर क्या बनाते हैं, यह सहज प्रवृत्ति पर नहीं, बल्कि साझे लक्ष्यों, आपसी सम्मान और प्रयास पर निर्भर करता है। ऐसा संबंध अच्छा बन सकता है, पर उसे बनाना पड़ता है।</translation>
    </message>
    <message>
        <source>One number counts the other as an enemy, while the other regards it as a friend or as neutral, so the relation is strained. Misunderstandings arise easily, and one of you may feel less welcome than the other. Plain words and patience can ease much of the tension.</source>
        <translation>एक अंक दूसरे को शत्रु मानता है, जबकि दूसरा उसे मित्र मानता है या उसके प्रति तटस्थ रहता है, इसलिए यह संबंध तनावपूर्ण है। यहाँ एक-दूसरे की बात का उलटा अर्थ निकल जाना आसान है, और आप दोनों में से किसी एक को लग सकता है कि उसे उतना अपनाया नहीं जा रहा। स्पष्ट बातचीत और धैर्य से यह तनाव काफ़ी हद तक कम हो सकता है।</translation>
    </message>
    <message>
        <source>Each number counts the other as an enemy, so the relation is opposed. The two of you may pull in different directions and clash over small things. Such a bond asks both of you for extra understanding, clear agreements and generous patience.</source>
        <translation>दोनों अंक एक-दूसरे को शत्रु मानते हैं, इसलिए यह संबंध विरोधी है। आप दोनों अलग-अलग दिशाओं में खिंच सकते हैं और छोटी-छोटी बातों पर टकरा सकते हैं। ऐसा संबंध दोनों ओर से अधिक समझ, स्पष्ट सहमति और भरपूर धैर्य माँगता है।</translation>
    </message>
    <message>
        <source>Compatibility follows the natural friendship of the planets that rule the numbers (1 Sun, 2 Moon, 3 Jupiter, 4 Rahu, 5 Mercury, 6 Venus, 7 Ketu, 8 Saturn, 9 Mars): the classical table of the seven planets, with Rahu and Ketu added as Indian numerologists place them. The table works in one direction only: each number&apos;s row says whether it counts another as a friend, as neutral or as an enemy, a number always counts the same number a friend, and a pair the table leaves open is neutral. The birth numbers are compared first, for day-to-day life, then the life path numbers, for the long run, and then the destiny numbers.</source>
        <translation>अनुकूलता अंकों के स्वामी ग्रहों की नैसर्गिक मैत्री पर आधारित है (1 सूर्य, 2 चंद्र, 3 बृहस्पति, 4 राहु, 5 बुध, 6 शुक्र, 7 केतु, 8 शनि, 9 मंगल): यह सात ग्रहों की शास्त्रीय तालिका है, जिसमें भारतीय अंक ज्योतिषी राहु और केतु को भी जोड़ते हैं। यह तालिका एकतरफ़ा है: हर अंक की पंक्ति बताती है कि वह दूसरे अंक को मित्र, सम (तटस्थ) या शत्रु मानता है; हर अंक अपने ही जैसे अंक को मित्र मानता है, और जिस जोड़ी के बारे में तालिका कुछ नहीं कहती, उसे सम ही माना जाता है। सबसे पहले दोनों के मूलांकों की तुलना की जाती है (रोज़मर्रा के जीवन के लिए), फिर भाग्यांकों की (लंबे समय के लिए), और अंत में नामांकों की।</translation>
    </message>
</context>
<context>
    <name>core::Guidance</name>
    <message>
        <source>Do &apos;s  for keeping Rudraksh</source>
        <translation>रुद्राक्ष की देखभाल: क्या करें</translation>
    </message>
    <message>
        <source>1.Clean them with brushes that have soft bristles.</source>
        <translation>1. रुद्राक्ष को मुलायम बालों वाले ब्रश से साफ़ करें।</translation>
    </message>
    <message>
        <source>2.Oil the beads regularly with mustard oil.</source>
        <translation>2. दानों पर नियमित रूप से सरसों का तेल लगाएँ।</translation>
    </message>
    <message>
        <source>3.Keep them in a clean and holy place.</source>
        <translation>3. इन्हें किसी स्वच्छ और पवित्र स्थान पर रखें।</translation>
    </message>
    <message>
        <source>4.They are lucky and can be hung in front of homes and temple doors.</source>
        <translation>4. रुद्राक्ष शुभ होते हैं और इन्हें घरों के सामने तथा मंदिरों के द्वार पर टाँगा जा सकता है।</translation>
    </message>
    <message>
        <source>5.Keep them in the holy place of worship so that the whole house is filled with positive energy.</source>
        <translation>5. इन्हें पवित्र पूजा-स्थल में रखें, ताकि पूरा घर सकारात्मक ऊर्जा से भर जाए।</translation>
    </message>
    <message>
        <source>Dont &apos;s  for keeping Rudraksh</source>
        <translation>रुद्राक्ष की देखभाल: क्या न करें</translation>
    </message>
    <message>
        <source>1.Don&apos;t wear rudraksh beads while sleeping.</source>
        <translation>1. सोते समय रुद्राक्ष धारण न करें।</translation>
    </message>
    <message>
        <source>2.Do not use someone else&apos;s Rudraksh mala.</source>
        <translation>2. किसी दूसरे की रुद्राक्ष माला का उपयोग न करें।</translation>
    </message>
    <message>
        <source>3.Remove the beads while having a bath.</source>
        <translation>3. स्नान करते समय रुद्राक्ष उतार दें।</translation>
    </message>
    <message>
        <source>4.Do not wear the beads like a ring on your fingers.</source>
        <translation>4. रुद्राक्ष को अंगूठी की तरह उँगलियों में न पहनें।</translation>
    </message>
    <message>
        <source>5.The rosary beads used for chanting mantra should not be worn on the body.</source>
        <translation>5. जिस माला से मंत्र का जाप किया जाता है, उसे शरीर पर धारण नहीं करना चाहिए।</translation>
    </message>
</context>
<context>
    <name>core::Numerology</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. It is drawn from your date of birth and shows the road your life is meant to walk, the lessons waiting for you along the way, and the gifts you carry to meet them.</source>
        <translation>यह सबसे महत्वपूर्ण अंकों में से एक है। इसे कभी-कभी जीवन दिशा अंक भी कहा जाता है। यह आपकी जन्म तिथि से निकाला जाता है और बताता है कि आपके जीवन को किस मार्ग पर चलना है, उस मार्ग पर कौन-से सबक आपकी प्रतीक्षा कर रहे हैं, और उनका सामना करने के लिए आप कौन-से गुण अपने साथ लेकर आए हैं।</translation>
    </message>
    <message>
        <source>Your main purpose should be attaining independency. The Life Path 1&apos;s life is a journey toward standing on your own feet and trusting the voice within you. You are a natural pioneer, happiest when you are opening a new door rather than walking through one that others have held open. Your mind is original and quick, and you often see a way forward long before the people around you do. Learn to accept help without feeling smaller for it, and to listen as warmly as you lead. When you balance strength with kindness, your independence becomes a gift to everyone around you, and many will gladly follow the path you have cleared for them with such resolve.</source>
        <translation>आपके जीवन का मुख्य उद्देश्य आत्मनिर्भरता प्राप्त करना होना चाहिए। भाग्यांक 1 वालों का जीवन अपने पैरों पर खड़े होने और अपनी अंतरात्मा की आवाज़ पर भरोसा करने की यात्रा है। आप स्वभाव से अग्रणी हैं; दूसरों के खोले हुए द्वार से गुज़रने की अपेक्षा कोई नया द्वार खोलने में आपको सबसे अधिक आनंद मिलता है। आपकी बुद्धि मौलिक और तेज़ है, और प्रायः आप आगे का रास्ता अपने आसपास के लोगों से बहुत पहले देख लेते हैं। सहायता स्वीकार करना सीखें और ऐसा करते हुए स्वयं को छोटा न समझें; जिस आत्मीयता से आप नेतृत्व करते हैं, उसी आत्मीयता से दूसरों की बात सुनना भी सीखें। जब आप अपनी शक्ति को दयालुता के साथ संतुलित करते हैं, तब आपकी स्वतंत्रता आपके आसपास के सभी लोगों के लिए वरदान बन जाती है, और बहुत-से लोग प्रसन्नता से उस मार्ग पर चलेंगे जिसे आपने इतने दृढ़ संकल्प के साथ उनके लिए प्रशस्त किया है।</translation>
    </message>
    <message>
        <source>Usually you are creative and follow certain protocols. You value harmony and feel most at peace when the people around you are at ease. You are a gentle diplomat who can sense the mood of a room and bring people together. Patience is one of your quiet strengths, and you notice the small details others tend to miss. You work best as a partner or within a team, where your tact and loyalty are deeply appreciated. Take care not to hide your own needs to please others, for your voice matters just as much as theirs.</source>
        <translation>सामान्यतः आप रचनात्मक होते हैं और कुछ निश्चित नियमों व मर्यादाओं का पालन करते हैं। आप सामंजस्य को महत्व देते हैं, और जब आपके आसपास के लोग सहज होते हैं तब आपका मन सबसे अधिक शांत रहता है। आप सौम्य स्वभाव के कुशल मध्यस्थ हैं; किसी भी स्थान का वातावरण आप तुरंत भाँप लेते हैं और लोगों को एक साथ ले आते हैं। धैर्य आपकी मौन शक्तियों में से एक है, और जिन छोटी-छोटी बातों पर दूसरों का ध्यान प्रायः नहीं जाता, उन्हें आप देख लेते हैं। साझेदारी में या किसी दल के साथ मिलकर आप सबसे अच्छा काम करते हैं, जहाँ आपकी व्यवहार-कुशलता और निष्ठा की गहरी सराहना होती है। ध्यान रखें कि दूसरों को प्रसन्न करने के लिए आप अपनी आवश्यकताओं को न छिपाएँ, क्योंकि आपकी बात भी उतनी ही महत्वपूर्ण है जितनी उनकी।</translation>
    </message>
    <message>
        <source>You are entertainers, optimists and very creative. Words, colours and ideas flow through you with ease, and you have a rare gift for lifting the spirits of those around you. People are drawn to your warmth, your humour and the sparkle you bring to a gathering. You express yourself beautifully through speech, writing, art or music. Your challenge is to gather your many talents and give them steady direction, since scattered energy can leave fine work unfinished. When you commit to your craft with discipline, your joy becomes a lamp that guides and heals many people.</source>
        <translation>आप दूसरों का मनोरंजन करने वाले, आशावादी और अत्यंत रचनात्मक होते हैं। शब्द, रंग और विचार आपके भीतर से सहज ही प्रवाहित होते हैं, और अपने आसपास के लोगों का मन प्रसन्न कर देने की आपमें दुर्लभ क्षमता है। लोग आपकी आत्मीयता, आपके विनोदी स्वभाव और उस उमंग की ओर खिंचे चले आते हैं जिससे आप किसी भी महफ़िल में जान डाल देते हैं। बोलकर, लिखकर, कला या संगीत के माध्यम से आप स्वयं को बड़ी सुंदरता से व्यक्त करते हैं। आपकी चुनौती यह है कि अपनी अनेक प्रतिभाओं को एकत्र करके उन्हें एक स्थिर दिशा दें, क्योंकि बिखरी हुई ऊर्जा के कारण अच्छे-अच्छे काम अधूरे रह सकते हैं। जब आप अनुशासन के साथ अपनी कला के प्रति समर्पित हो जाते हैं, तब आपका आनंद एक ऐसा दीपक बन जाता है जो अनेक लोगों को राह दिखाता है और उनके मन के घाव भरता है।</translation>
    </message>
    <message>
        <source>The Life Path 4 produces the most reliable, practical, and down-to-earth of individuals; you are the builders upon whom families, firms and communities depend. You believe in honest effort, careful planning and doing a task properly from start to finish. Order and routine give you comfort, and you are at your best when you can see solid results from your work. Others trust your word because you keep it. Take care not to become too rigid or to resist change simply because it is new. When you allow yourself a little flexibility, your strong foundations will hold firm.</source>
        <translation>भाग्यांक 4 वाले लोग सबसे अधिक विश्वसनीय, व्यावहारिक और ज़मीन से जुड़े होते हैं; आप वे निर्माता हैं जिन पर परिवार, व्यापारिक प्रतिष्ठान और समाज निर्भर रहते हैं। आप ईमानदार परिश्रम, सोच-समझकर बनाई गई योजना और किसी भी काम को आरंभ से अंत तक ठीक ढंग से करने में विश्वास रखते हैं। व्यवस्था और नियमित दिनचर्या आपको सुकून देती हैं, और जब आप अपने काम के ठोस परिणाम देख पाते हैं तब आप अपने सर्वश्रेष्ठ रूप में होते हैं। लोग आपकी बात पर भरोसा करते हैं, क्योंकि आप अपना वचन निभाते हैं। ध्यान रखें कि आप बहुत कठोर न हो जाएँ, और किसी परिवर्तन का विरोध केवल इसलिए न करें कि वह नया है। जब आप अपने स्वभाव में थोड़ा लचीलापन लाते हैं, तब आपकी मज़बूत नींव अडिग बनी रहती है।</translation>
    </message>
    <message>
        <source>Generally people with 5 are very multitalented, bold, and progressive. You love freedom, travel and fresh experiences, and you learn best by tasting life directly rather than reading about it. Your curiosity is endless, and you adapt to new places and new people with remarkable grace. You are a lively speaker and often persuade others without effort. Routine can feel like a cage to you, so you thrive in work that offers variety and movement. Your lesson is to use your freedom wisely, choosing depth over constant change. When you learn to stay with what truly matters, your adventurous spirit becomes a fountain of wisdom.</source>
        <translation>सामान्यतः भाग्यांक 5 वाले लोग बहुमुखी प्रतिभा के धनी, साहसी और प्रगतिशील होते हैं। आपको स्वतंत्रता, यात्रा और नए अनुभव प्रिय हैं, और आप जीवन के बारे में पढ़कर नहीं, बल्कि उसे स्वयं जीकर सबसे अच्छा सीखते हैं। आपकी जिज्ञासा का कोई अंत नहीं है, और नए स्थानों तथा नए लोगों के बीच आप अद्भुत सहजता से घुल-मिल जाते हैं। आप जीवंत वक्ता हैं और प्रायः बिना किसी प्रयास के दूसरों को अपनी बात मनवा लेते हैं। बँधी-बँधाई दिनचर्या आपको पिंजरे जैसी लग सकती है, इसलिए जिस काम में विविधता और गतिशीलता हो, उसमें आप फलते-फूलते हैं। आपके जीवन का पाठ यह है कि आप अपनी स्वतंत्रता का बुद्धिमानी से उपयोग करें और निरंतर बदलाव के स्थान पर गहराई को चुनें। जब आप उन बातों पर टिके रहना सीख जाते हैं जो वास्तव में महत्वपूर्ण हैं, तब आपका साहसी और खोजी मन ज्ञान का झरना बन जाता है।</translation>
    </message>
    <message>
        <source>The Life Path 6 indicates that you have a strong sense of responsibility. Home, family and community sit at the centre of your heart, and you feel fulfilled when caring for the people you love. You are a natural counsellor, and friends often come to you for comfort and advice. Beauty and harmony matter to you, and you work to create a peaceful space wherever you go. You may at times carry burdens that are not yours, or expect too much of yourself. Remember that love also means allowing people to grow in their own way. When you give freely, your devotion blesses everyone it touches.</source>
        <translation>भाग्यांक 6 बताता है कि आपमें उत्तरदायित्व की भावना प्रबल है। घर, परिवार और समाज आपके हृदय के केंद्र में बसते हैं, और अपने प्रियजनों की देखभाल करके आपको संतोष मिलता है। आप स्वभाव से परामर्शदाता हैं; मित्र प्रायः सांत्वना और सलाह के लिए आपके पास आते हैं। सौंदर्य और सामंजस्य आपके लिए बहुत मायने रखते हैं, और आप जहाँ भी जाते हैं वहाँ शांतिपूर्ण वातावरण बनाने का प्रयास करते हैं। हो सकता है कि कभी-कभी आप ऐसे बोझ उठा लें जो आपके नहीं हैं, या स्वयं से बहुत अधिक अपेक्षा रखने लगें। याद रखें कि प्रेम का अर्थ यह भी है कि लोगों को उनके अपने ढंग से विकसित होने दिया जाए। जब आप खुले मन से देते हैं, तब आपकी निष्ठा जिस-जिसके जीवन को छूती है, उसके लिए वरदान बन जाती है।</translation>
    </message>
    <message>
        <source>You tend to be calm and affectionate by nature. Beneath your quiet surface lies a deep and searching mind that wants to understand the hidden meaning of life. You are drawn to study, reflection and the spiritual path, and you need time alone to regain your balance. Your intuition is strong, and you often sense the truth before it is spoken. Try not to withdraw too far from others, for your wisdom grows richer when shared.</source>
        <translation>स्वभाव से आप प्रायः शांत और स्नेही होते हैं। आपकी चुप्पी के पीछे एक गहरा और खोजी मन छिपा है, जो जीवन के गूढ़ अर्थ को समझना चाहता है। अध्ययन, चिंतन और आध्यात्मिक मार्ग आपको अपनी ओर आकर्षित करते हैं, और अपना संतुलन फिर से पाने के लिए आपको एकांत में समय बिताने की आवश्यकता होती है। आपका अंतर्ज्ञान प्रबल है, और प्रायः सत्य के कहे जाने से पहले ही आप उसे भाँप लेते हैं। प्रयास करें कि आप दूसरों से बहुत दूर न हो जाएँ, क्योंकि बाँटने से आपका ज्ञान और भी समृद्ध होता है।</translation>
    </message>
    <message>
        <source>You are very materialistic and are focused on learning the ways to fulfill these needs. You have a natural gift for business, finance and management, and you understand how power and money move in the world. Ambition drives you forward, and you will work long hours to reach your aims. You are practical, confident and ready to lead when others hesitate. Your task is to balance material success with generosity and inner peace. When you use your wealth and authority to uplift others, your rewards multiply in ways money cannot measure.</source>
        <translation>आप बहुत भौतिकवादी होते हैं, और इन भौतिक आवश्यकताओं को पूरा करने के उपाय सीखने पर आपका पूरा ध्यान रहता है। व्यापार, वित्त और प्रबंधन की आपमें स्वाभाविक प्रतिभा है, और आप समझते हैं कि संसार में सत्ता और धन किस प्रकार चलते हैं। महत्वाकांक्षा आपको आगे बढ़ाती है, और अपने लक्ष्य तक पहुँचने के लिए आप घंटों लगातार परिश्रम करते हैं। आप व्यावहारिक और आत्मविश्वासी हैं, और जब दूसरे झिझकते हैं तब आप नेतृत्व के लिए तैयार रहते हैं। आपका कार्य भौतिक सफलता को उदारता और आंतरिक शांति के साथ संतुलित करना है। जब आप अपने धन और अधिकार का उपयोग दूसरों के उत्थान के लिए करते हैं, तब आपको मिलने वाले प्रतिफल इस तरह कई गुना बढ़ जाते हैं कि उन्हें धन से आँका नहीं जा सकता।</translation>
    </message>
    <message>
        <source>People with number 9 are generous, loving and have an inborn drive to serve the humankind. You see the big picture and feel the sorrows of others as if they were your own. Your heart is open to people of every background, and you are often drawn to healing, teaching or charitable work. You carry within you the wisdom of every number that comes before you. Learn to let go of the past with grace, and your compassion will touch countless lives.</source>
        <translation>भाग्यांक 9 वाले लोग उदार और प्रेममय होते हैं, और उनमें मानवता की सेवा करने की जन्मजात प्रेरणा होती है। आप जीवन को व्यापक दृष्टि से देखते हैं और दूसरों के दुखों को ऐसे अनुभव करते हैं मानो वे आपके अपने हों। हर पृष्ठभूमि के लोगों के लिए आपका हृदय खुला है, और प्रायः आप उपचार, शिक्षण या परोपकार के कार्यों की ओर आकर्षित होते हैं। अपने से पहले आने वाले हर अंक का ज्ञान आपके भीतर समाया हुआ है। अतीत को गरिमा के साथ पीछे छोड़ना सीखें, तब आपकी करुणा अनगिनत जीवनों को छू लेगी।</translation>
    </message>
    <message>
        <source>This number describes your vibration in the world and the tasks that you must achieve in this lifetime using the name given to you. It is found from the letters of your birth name, and it shows the talents you offer others and the goal your soul has come to fulfil.</source>
        <translation>यह अंक संसार में आपके स्पंदन का और उन कार्यों का वर्णन करता है जिन्हें आपको मिले हुए नाम के सहारे इस जीवन में पूरा करना है। यह जन्म के समय रखे गए आपके नाम के अक्षरों से निकाला जाता है, और बताता है कि आप दूसरों को कौन-सी प्रतिभाएँ देते हैं और आपकी आत्मा किस लक्ष्य को पूरा करने के लिए आई है।</translation>
    </message>
    <message>
        <source>This tells you are a leader. You are talented, skilled and posses cool administrative capabilities. You are able to make firm, fair decisions and to guide others with a clear sense of purpose. New ventures suit you well, and you are never afraid to be the first to try. Your destiny is to inspire through your own example and to show others how to stand tall with courage and gentle pride.</source>
        <translation>यह अंक बताता है कि आपमें नेतृत्व का स्वाभाविक गुण है। आप प्रतिभाशाली और कुशल हैं, और आपमें शांत चित्त से प्रशासन संभालने की क्षमता है। आप दृढ़ और न्यायपूर्ण निर्णय ले सकते हैं, और उद्देश्य की स्पष्ट समझ के साथ दूसरों का मार्गदर्शन कर सकते हैं। नए उद्यम आपके अनुकूल रहते हैं, और कोई नया काम सबसे पहले आज़माने से आप कभी नहीं डरते। आपकी नियति है कि आप अपने उदाहरण से दूसरों को प्रेरित करें और उन्हें दिखाएँ कि साहस और विनम्र स्वाभिमान के साथ सिर ऊँचा करके कैसे खड़ा हुआ जाता है।</translation>
    </message>
    <message>
        <source>The negative trait of this number includes one becoming egotistic and developing a self-centered approach to life. You may ignore the advice of others and insist on doing things your way.</source>
        <translation>इस अंक के नकारात्मक पक्ष में व्यक्ति का अहंकारी हो जाना और जीवन के प्रति आत्मकेंद्रित दृष्टिकोण अपना लेना शामिल है। आप दूसरों की सलाह की अनदेखी कर सकते हैं और हर काम अपने ही ढंग से करने पर अड़ सकते हैं।</translation>
    </message>
    <message>
        <source>This number gives you good people managing skills. You understand feelings, moods and hidden tensions, and you know how to bring people together in a spirit of cooperation. You are a patient listener and a wise mediator, often the calm centre of any storm. Your destiny lies in partnership, diplomacy and service, where your gentle tact can heal quarrels and build lasting bonds. Success comes to you through the quiet support you offer, rather than through force or display.</source>
        <translation>यह अंक आपको लोगों को साथ लेकर चलने और उन्हें संभालने का अच्छा कौशल देता है। आप भावनाओं, मनोदशाओं और भीतर छिपे तनावों को समझते हैं, और सहयोग की भावना से लोगों को एकजुट करना जानते हैं। आप धैर्य से सुनने वाले और समझदार मध्यस्थ हैं; किसी भी उथल-पुथल के बीच प्रायः आप ही शांत धुरी बने रहते हैं। आपकी नियति साझेदारी, मेल-मिलाप और सेवा में है, जहाँ आपकी कोमल व्यवहार-कुशलता मनमुटाव दूर कर सकती है और स्थायी संबंध बना सकती है। सफलता आपको बल या दिखावे से नहीं, बल्कि आपके दिए हुए मौन सहयोग से मिलती है।</translation>
    </message>
    <message>
        <source>The negative trait of this number is that you can be sensitive to certain issues and be affected very easily. You may hide your true feelings to avoid conflict, which can leave you feeling ignored. Indecision and worry may also hold you back.</source>
        <translation>इस अंक का नकारात्मक पक्ष यह है कि आप कुछ बातों को लेकर संवेदनशील हो सकते हैं और बहुत आसानी से प्रभावित हो जाते हैं। टकराव से बचने के लिए आप अपनी सच्ची भावनाएँ छिपा सकते हैं, जिससे आपको उपेक्षित होने का अनुभव हो सकता है। अनिर्णय और चिंता भी आपको आगे बढ़ने से रोक सकते हैं।</translation>
    </message>
    <message>
        <source>This number indicates a strong creativity in your nature. You have a gift for words, images and ideas, and you can express feelings in a way that moves the hearts of others. Writing, speaking, art, music or performance may all bring you joy and recognition. Your cheerful spirit attracts friends with ease, and your company is a blessing. Your destiny is to uplift the world through beauty and self-expression, bringing hope and laughter wherever you go.</source>
        <translation>यह अंक आपके स्वभाव में प्रबल रचनात्मकता का संकेत देता है। शब्दों, चित्रों और विचारों की आपमें विशेष प्रतिभा है, और आप अपनी भावनाएँ इस तरह व्यक्त कर सकते हैं कि दूसरों का हृदय छू जाए। लेखन, भाषण, कला, संगीत या मंच पर प्रस्तुति, ये सभी आपको आनंद और पहचान दिला सकते हैं। आपका प्रसन्नचित्त स्वभाव सहज ही मित्रों को आकर्षित करता है, और आपका साथ अपने आप में एक वरदान है। आपकी नियति है कि आप सौंदर्य और आत्म-अभिव्यक्ति के द्वारा संसार का उत्थान करें, और जहाँ भी जाएँ वहाँ आशा और हँसी बिखेरें।</translation>
    </message>
    <message>
        <source>The negative trait of Destiny number 3 is unwanted display of show. You may scatter your talents across too many different interests and leave good work unfinished. At times you may speak without thinking, or use charm to escape duties that you ought to face with care.</source>
        <translation>नामांक 3 का नकारात्मक पक्ष अनावश्यक दिखावा है। आप अपनी प्रतिभाओं को बहुत-सी अलग-अलग रुचियों में बिखेर सकते हैं और अच्छे काम अधूरे छोड़ सकते हैं। कभी-कभी आप बिना सोचे बोल सकते हैं, या उन कर्तव्यों से बचने के लिए अपने आकर्षण का सहारा ले सकते हैं जिनका सामना आपको गंभीरता से करना चाहिए।</translation>
    </message>
    <message>
        <source>You will have good management and organizational skills. You are steady, methodical and dependable, and you bring order to situations that others find confusing. You prefer clear plans, honest methods and firm foundations, and you will put in patient effort to see a project through to its end. Those who work with you trust your judgment and your sense of fairness. Your destiny is to build something lasting, whether it is a home, a business or an institution that serves the community. You are at your best when you honour tradition while still leaving room for growth. Hard work is your path, and it brings you well-earned and enduring rewards.</source>
        <translation>आपमें प्रबंधन और संगठन का अच्छा कौशल होगा। आप स्थिर, व्यवस्थित और भरोसेमंद हैं, और जिन परिस्थितियों में दूसरे उलझ जाते हैं, उनमें आप व्यवस्था ले आते हैं। आपको स्पष्ट योजनाएँ, ईमानदार कार्य-पद्धति और मज़बूत नींव पसंद हैं, और किसी भी कार्य को अंत तक पहुँचाने के लिए आप धैर्य से परिश्रम करते हैं। आपके साथ काम करने वाले लोग आपके विवेक और आपकी न्यायप्रियता पर भरोसा करते हैं। आपकी नियति कुछ ऐसा बनाना है जो लंबे समय तक टिका रहे, चाहे वह एक घर हो, कोई व्यवसाय हो या समाज की सेवा करने वाली कोई संस्था। आप तब अपने सर्वश्रेष्ठ रूप में होते हैं जब परंपरा का सम्मान करते हुए भी विकास के लिए स्थान छोड़ते हैं। कठोर परिश्रम ही आपका मार्ग है, और यही आपको मेहनत से अर्जित और स्थायी प्रतिफल देता है।</translation>
    </message>
    <message>
        <source>The negative trait of 4 often produces arrogant and dominating individuals. You may become so attached to your own methods that you refuse to consider other views. Rigidity and the fear of change can limit your progress. You may also work too hard and forget to rest, leaving you tired and irritable. Learn to soften your approach and to trust others, and your strength will serve you far better.</source>
        <translation>अंक 4 का नकारात्मक पक्ष प्रायः व्यक्ति को अहंकारी और दूसरों पर हावी होने वाला बना देता है। आप अपनी ही कार्य-पद्धति से इतने बँध सकते हैं कि दूसरे दृष्टिकोणों पर विचार करने से ही इनकार कर दें। कठोरता और परिवर्तन का भय आपकी प्रगति को सीमित कर सकते हैं। आप ज़रूरत से ज़्यादा काम करके आराम करना भी भूल सकते हैं, जिससे आप थके हुए और चिड़चिड़े हो सकते हैं। अपने व्यवहार में नरमी लाना और दूसरों पर भरोसा करना सीखें, तब आपकी शक्ति आपके कहीं अधिक काम आएगी।</translation>
    </message>
    <message>
        <source>You are gifted with multiple talents. You have a quick mind, a ready tongue and a love of freedom that keeps you moving toward new horizons. Travel, trade, media and any field that involves change suit your restless spirit. You can adapt to almost any situation and often charm people with your wit. Your destiny is to taste life fully and to share what you learn with others, showing them that change need not be feared. When you learn to focus your energy, your gifts will bring you success and a rich life.</source>
        <translation>आपको अनेक प्रतिभाओं का वरदान मिला है। आपकी बुद्धि तेज़ है, आप हाज़िरजवाब हैं, और स्वतंत्रता के प्रति आपका प्रेम आपको सदा नए क्षितिजों की ओर ले जाता है। यात्रा, व्यापार, मीडिया और ऐसा कोई भी क्षेत्र जिसमें परिवर्तन होता रहे, आपके चंचल मन के अनुकूल है। आप लगभग किसी भी परिस्थिति में ढल सकते हैं और प्रायः अपनी चतुराई भरी बातों से लोगों का मन मोह लेते हैं। आपकी नियति है कि आप जीवन का पूरा रस लें और जो सीखें उसे दूसरों के साथ बाँटें, ताकि वे समझ सकें कि परिवर्तन से डरने की आवश्यकता नहीं है। जब आप अपनी ऊर्जा को एक दिशा में केंद्रित करना सीख लेंगे, तब आपकी प्रतिभाएँ आपको सफलता और भरा-पूरा जीवन देंगी।</translation>
    </message>
    <message>
        <source>The negative side of the number says that your restless and impatient attitude may keep you from staying with any project for too long. You may seek pleasure too freely or avoid commitments that feel confining. Finish what you begin, and you will find true freedom.</source>
        <translation>इस अंक का नकारात्मक पक्ष कहता है कि आपका बेचैन और अधीर स्वभाव आपको किसी भी काम में अधिक समय तक टिके रहने से रोक सकता है। आप बिना रोक-टोक सुख-भोग के पीछे भाग सकते हैं, या ऐसी प्रतिबद्धताओं से बच सकते हैं जो आपको बंधन जैसी लगती हैं। जो काम आरंभ करें उसे पूरा करें, तभी आपको सच्ची स्वतंत्रता मिलेगी।</translation>
    </message>
    <message>
        <source>Your goal of life is to have the right balance of love and responsibility. You are a caretaker at heart, and you find meaning in nurturing your family, your friends and your community. People turn to you for comfort, guidance and a sense of belonging. You have a fine eye for beauty and harmony, and you may be drawn to teaching, healing, counselling or the arts. Your destiny is to create warmth and stability wherever you are, and to serve others with an open heart. At times you may feel that the world rests upon your shoulders, so remember to care for yourself as well. When love and duty are in balance, your life becomes a blessing to all.</source>
        <translation>आपके जीवन का लक्ष्य प्रेम और उत्तरदायित्व के बीच सही संतुलन बनाना है। आप मन से दूसरों की देखभाल करने वाले हैं, और अपने परिवार, मित्रों और समाज को स्नेह से संभालने और सँवारने में आपको जीवन का अर्थ मिलता है। लोग सांत्वना, मार्गदर्शन और अपनेपन की अनुभूति के लिए आपकी ओर देखते हैं। सौंदर्य और सामंजस्य की आपको गहरी परख है, और शिक्षण, उपचार, परामर्श या कलाएँ आपको अपनी ओर आकर्षित कर सकती हैं। आपकी नियति है कि आप जहाँ भी रहें वहाँ स्नेह और स्थिरता का वातावरण बनाएँ, और खुले हृदय से दूसरों की सेवा करें। कभी-कभी आपको लग सकता है कि सारी दुनिया का भार आपके ही कंधों पर है, इसलिए स्वयं की देखभाल करना भी न भूलें। जब प्रेम और कर्तव्य संतुलन में होते हैं, तब आपका जीवन सबके लिए वरदान बन जाता है।</translation>
    </message>
    <message>
        <source>The negative traits associated with this number, are stubbornness, arrogance and feeling o superficial self-esteem. You may interfere in the lives of others in the name of love, or expect too much gratitude for what you give. Learn to give without condition.</source>
        <translation>हठ, अहंकार और दिखावटी आत्मसम्मान की भावना इस अंक से जुड़ी नकारात्मक प्रवृत्तियाँ हैं। आप प्रेम के नाम पर दूसरों के जीवन में हस्तक्षेप कर सकते हैं, या जो कुछ देते हैं उसके बदले बहुत अधिक कृतज्ञता की अपेक्षा कर सकते हैं। बिना किसी शर्त के देना सीखें।</translation>
    </message>
    <message>
        <source>You will be interested in analysis and the development of a mind skilled at searching out the truth ad mysticism. You are a thinker, a researcher and a seeker, never content with easy answers. Science, philosophy, religion and the hidden side of life hold a natural fascination for you. You need quiet and solitude to reflect, and your best insights arrive in silence. Your destiny is to gather wisdom through study and inner experience and then to share it with those who are ready to receive it. Trust your intuition, for it is one of your strongest guides. Your calm presence offers others a sense of depth and meaning.</source>
        <translation>आपकी रुचि विश्लेषण में होगी, और ऐसे मन को विकसित करने में भी जो सत्य और रहस्यवाद की खोज में निपुण हो। आप विचारक, शोधकर्ता और साधक हैं, जो आसान उत्तरों से कभी संतुष्ट नहीं होते। विज्ञान, दर्शन, धर्म और जीवन का गूढ़ पक्ष आपको स्वाभाविक रूप से आकर्षित करते हैं। चिंतन के लिए आपको शांति और एकांत चाहिए, और आपकी सर्वोत्तम अंतर्दृष्टियाँ मौन में ही जन्म लेती हैं। आपकी नियति है कि आप अध्ययन और आंतरिक अनुभव से ज्ञान अर्जित करें, और फिर उसे उन लोगों के साथ बाँटें जो उसे ग्रहण करने के लिए तैयार हैं। अपने अंतर्ज्ञान पर भरोसा रखें, क्योंकि वह आपके सबसे सशक्त मार्गदर्शकों में से एक है। आपकी शांत उपस्थिति दूसरों को गहराई और सार्थकता का अनुभव कराती है।</translation>
    </message>
    <message>
        <source>The negative trait of this number is that you do not trust people easily. You may withdraw into your own thoughts and seem cold or distant to those who wish to be close to you. Pride in your intellect can make you scornful of others. Try to open your heart and share your rich inner world with those you trust.</source>
        <translation>इस अंक का नकारात्मक पक्ष यह है कि आप लोगों पर आसानी से भरोसा नहीं करते। आप अपने ही विचारों में खोए रह सकते हैं, और जो लोग आपके निकट आना चाहते हैं उन्हें आप रूखे या दूर-दूर रहने वाले लग सकते हैं। अपनी बुद्धि का अभिमान आपके मन में दूसरों के प्रति तिरस्कार भर सकता है। अपना हृदय खोलने का प्रयास करें, और अपने समृद्ध आंतरिक संसार को उन लोगों के साथ बाँटें जिन पर आपको भरोसा है।</translation>
    </message>
    <message>
        <source>You need to achieve material and financial comfort above all things. You have a strong sense of authority and a natural understanding of money, business and organisation. You are ambitious and determined, and you will work hard to reach a position of influence and standing. Large projects do not frighten you, and you often see chances that others overlook. Your destiny is to master the material world and to use your power wisely and fairly. When you combine success with generosity, your achievements bring lasting good to many. Balance is your key, so give time to your spirit as well.</source>
        <translation>आपके लिए सबसे बढ़कर भौतिक और आर्थिक सुख-सुविधा प्राप्त करना आवश्यक है। आपमें अधिकार की प्रबल भावना है, और धन, व्यापार तथा संगठन की आपको स्वाभाविक समझ है। आप महत्वाकांक्षी और दृढ़निश्चयी हैं, और प्रभाव तथा प्रतिष्ठा का स्थान पाने के लिए आप कड़ी मेहनत करेंगे। बड़ी परियोजनाएँ आपको डराती नहीं, और प्रायः आप वे अवसर देख लेते हैं जिन्हें दूसरे अनदेखा कर देते हैं। आपकी नियति है कि आप भौतिक जगत में पूर्ण दक्षता प्राप्त करें और अपनी शक्ति का उपयोग विवेक और न्याय के साथ करें। जब आप सफलता के साथ उदारता को जोड़ते हैं, तब आपकी उपलब्धियाँ अनेक लोगों का स्थायी हित करती हैं। संतुलन ही आपके जीवन का मूल मंत्र है, इसलिए अपने आध्यात्मिक जीवन को भी समय दें।</translation>
    </message>
    <message>
        <source>A negative 8 can be very rigid and stubborn. You may be over ambitious and dominating. Impatience may be the reason f or your downfall.</source>
        <translation>नकारात्मक प्रभाव में अंक 8 वाला व्यक्ति बहुत कठोर और ज़िद्दी हो सकता है। आप अति महत्वाकांक्षी और दूसरों पर हावी होने वाले हो सकते हैं। अधीरता आपके पतन का कारण बन सकती है।</translation>
    </message>
    <message>
        <source>Your prime focus will be in activities of compassion, and in worldly understanding. You feel a deep connection with all people and a wish to make the world a gentler place. Humanitarian work, teaching, healing and the arts may call to you. Your destiny is to give freely of your wisdom and love, letting go of personal gain for the good of the many, and to find joy in doing so.</source>
        <translation>आपका मुख्य ध्यान करुणा के कार्यों पर और सांसारिक समझ पर रहेगा। आप सभी लोगों से एक गहरा जुड़ाव अनुभव करते हैं, और संसार को अधिक दयालु और कोमल बनाने की इच्छा रखते हैं। मानव-सेवा, शिक्षण, उपचार और कलाएँ आपको अपनी ओर खींच सकती हैं। आपकी नियति है कि आप अपना ज्ञान और प्रेम मुक्त हृदय से बाँटें, बहुतों के हित के लिए निजी लाभ का त्याग करें, और ऐसा करने में आनंद पाएँ।</translation>
    </message>
    <message>
        <source>The negative traits of 9 Destiny can be selfishness and an egoistic attitude. You may hold on to old hurts or give so much that you feel used. Forgiveness and balance bring peace.</source>
        <translation>नामांक 9 की नकारात्मक प्रवृत्तियाँ स्वार्थ और अहंकारपूर्ण रवैया हो सकती हैं। आप पुरानी कड़वाहट मन में पाले रख सकते हैं, या इतना अधिक दे सकते हैं कि आपको लगे कि लोग आपका फ़ायदा उठा रहे हैं। क्षमा और संतुलन से शांति मिलती है।</translation>
    </message>
    <message>
        <source>All with Destiny 4, and especially the master number 22/4, are potentially equipped to handle large-scale undertakings in the material world. You have the vision to imagine great works and the patience to build them step by step. Used wisely, this power can bless whole communities.</source>
        <translation>नामांक 4 वाले सभी लोगों में, और विशेष रूप से मास्टर अंक 22/4 वालों में, भौतिक जगत के बड़े-बड़े कार्यों को संभालने की क्षमता छिपी होती है। आपके पास महान कार्यों की कल्पना करने की दूरदृष्टि भी है और उन्हें चरण-दर-चरण साकार करने का धैर्य भी। बुद्धिमानी से उपयोग करने पर यह शक्ति पूरे-पूरे समुदायों का कल्याण कर सकती है।</translation>
    </message>
</context>
<context>
    <name>core::Relation</name>
    <message>
        <source>friend</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <source>enemy</source>
        <translation>शत्रु</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>सम</translation>
    </message>
</context>
<context>
    <name>core::Working</name>
    <message>
        <source>%1 letters</source>
        <translation>%1 अक्षर</translation>
    </message>
</context>
<context>
    <name>sys::FileAccess</name>
    <message>
        <source>The file may not be changed.</source>
        <translation>इस फ़ाइल को बदला नहीं जा सकता।</translation>
    </message>
    <message>
        <source>A file name may be at most %1 bytes long; this one has %2.</source>
        <translation>फ़ाइल का नाम अधिक से अधिक %1 बाइट का हो सकता है; यह नाम %2 बाइट का है।</translation>
    </message>
    <message>
        <source>The path is longer than the 260 characters that Windows programs can open.</source>
        <translation>यह पथ 260 अक्षरों से लंबा है; Windows के प्रोग्राम इससे लंबे पथ नहीं खोल पाते।</translation>
    </message>
    <message>
        <source>Windows keeps this name for a device; choose another name.</source>
        <translation>Windows में यह नाम किसी डिवाइस के लिए आरक्षित है; कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>यह फ़ाइल केवल पढ़ने के लिए है।</translation>
    </message>
    <message>
        <source>A file name may be at most %1 characters long; this one has %2.</source>
        <translation>फ़ाइल का नाम अधिक से अधिक %1 अक्षरों का हो सकता है; यह नाम %2 अक्षरों का है।</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the file.</source>
        <translation>डिस्क पर इस फ़ाइल के लिए पर्याप्त जगह नहीं है।</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>आपको वहाँ फ़ाइल सहेजने की अनुमति नहीं है।</translation>
    </message>
    <message>
        <source>The disk can be read but not written to.</source>
        <translation>यह डिस्क केवल पढ़ी जा सकती है; इस पर कुछ सहेजा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>The folder does not exist, or no longer does.</source>
        <translation>यह फ़ोल्डर मौजूद नहीं है, या अब नहीं रहा।</translation>
    </message>
    <message>
        <source>The file&apos;s name or its path is too long.</source>
        <translation>फ़ाइल का नाम या उसका पथ बहुत लंबा है।</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>कोई दूसरा प्रोग्राम इस फ़ाइल का उपयोग कर रहा है।</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>इस नाम का एक फ़ोल्डर पहले से मौजूद है।</translation>
    </message>
</context>
<context>
    <name>sys::ReadingFolder</name>
    <message>
        <source>A link that leads nowhere, or round in a loop.</source>
        <translation>यह लिंक कहीं नहीं पहुँचता, या एक ही चक्कर में घूमता रहता है।</translation>
    </message>
    <message>
        <source>A named pipe, a device or a socket, not a file.</source>
        <translation>यह फ़ाइल नहीं, बल्कि नेम्ड पाइप, डिवाइस या सॉकेट है।</translation>
    </message>
    <message>
        <source>Damaged: it does not hold a whole reading.</source>
        <translation>फ़ाइल ख़राब है: इसमें पूरा अंक ज्योतिष फल नहीं है।</translation>
    </message>
    <message>
        <source>Too large to be a reading.</source>
        <translation>यह फ़ाइल इतनी बड़ी है कि अंक ज्योतिष फल नहीं हो सकती।</translation>
    </message>
    <message>
        <source>It cannot be read: you may not have permission.</source>
        <translation>यह फ़ाइल पढ़ी नहीं जा सकती: शायद आपको इसे पढ़ने की अनुमति नहीं है।</translation>
    </message>
</context>
<context>
    <name>sys::SavedReadings</name>
    <message>
        <source>The name is longer than a reading file can hold.</source>
        <translation>यह नाम इतना लंबा है कि अंक ज्योतिष फल की फ़ाइल में नहीं समा सकता।</translation>
    </message>
</context>
<context>
    <name>ui::BeadRows</name>
    <message>
        <source>Rudraksh Name</source>
        <translation>रुद्राक्ष का नाम</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>प्रतीक</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Day To Wear</source>
        <translation>धारण करने का दिन</translation>
    </message>
    <message>
        <source>Mantras</source>
        <translation>मंत्र</translation>
    </message>
    <message>
        <source>Body Parts</source>
        <translation>शरीर के अंग</translation>
    </message>
    <message>
        <source>Ailments</source>
        <translation>रोग</translation>
    </message>
    <message>
        <source>Rituals To Wear</source>
        <translation>धारण करने की विधि</translation>
    </message>
</context>
<context>
    <name>ui::ChartWords</name>
    <message>
        <source>once</source>
        <translation>एक बार</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>दो बार</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 बार</translation>
    </message>
    <message>
        <source>Birth number</source>
        <translation>मूलांक</translation>
    </message>
    <message>
        <source>from the day of birth</source>
        <translation>जन्म के दिन से</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>from the whole birth date</source>
        <translation>पूरी जन्म तिथि से</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>from all the letters of the name</source>
        <translation>नाम के सभी अक्षरों से</translation>
    </message>
    <message>
        <source>Soul urge</source>
        <translation>आत्मांक</translation>
    </message>
    <message>
        <source>from the vowels of the name</source>
        <translation>नाम के स्वरों से</translation>
    </message>
    <message>
        <source>Personality number</source>
        <translation>व्यक्तित्व अंक</translation>
    </message>
    <message>
        <source>from the consonants of the name</source>
        <translation>नाम के व्यंजनों से</translation>
    </message>
    <message>
        <source>Personal year %1</source>
        <translation>%1 का व्यक्तिगत वर्ष अंक</translation>
    </message>
    <message>
        <source>from the birth day and month and the year %1</source>
        <translation>जन्म के दिन, जन्म के महीने और वर्ष %1 से</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: अनुपस्थित</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, added</source>
        <translation>%1: %2, जोड़ा गया</translation>
    </message>
    <message>
        <source>%1: %2 from the date, %3 added</source>
        <translation>%1: जन्म तिथि से %2, और %3 जोड़ा गया</translation>
    </message>
    <message>
        <source>The added numbers stand in brackets.</source>
        <translation>जोड़े गए अंक कोष्ठक में दिखाए गए हैं।</translation>
    </message>
</context>
<context>
    <name>ui::Comparison</name>
    <message>
        <source>How each regards the other</source>
        <translation>एक-दूसरे को कैसे देखते हैं</translation>
    </message>
    <message>
        <source>Together</source>
        <translation>दोनों का संबंध</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>निष्कर्ष</translation>
    </message>
    <message>
        <source>The beads their numbers call for</source>
        <translation>दोनों के अंकों के लिए उपयुक्त रुद्राक्ष</translation>
    </message>
    <message>
        <source>The rule</source>
        <translation>नियम</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>सम (तटस्थ)</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>शत्रु</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>%1 counts %2 as a friend.</source>
        <translation>%1 अंक %2 को मित्र मानता है।</translation>
    </message>
    <message>
        <source>%1 counts %2 as an enemy.</source>
        <translation>%1 अंक %2 को शत्रु मानता है।</translation>
    </message>
    <message>
        <source>%1 is neutral to %2.</source>
        <translation>%1 अंक %2 के प्रति सम (तटस्थ) है।</translation>
    </message>
    <message>
        <source>Birth number</source>
        <translation>मूलांक</translation>
    </message>
    <message>
        <source>Day to day, the birth numbers %1 and %2 are %3.</source>
        <translation>रोज़मर्रा के जीवन में मूलांक %1 और %2 का संबंध %3 है।</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>In the long run, the life path numbers %1 and %2 are %3.</source>
        <translation>लंबे समय में भाग्यांक %1 और %2 का संबंध %3 है।</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>In what they set out to do, the destiny numbers %1 and %2 are %3.</source>
        <translation>जीवन के लक्ष्यों में नामांक %1 और %2 का संबंध %3 है।</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>अनुकूलता</translation>
    </message>
</context>
<context>
    <name>ui::FileDialogs</name>
    <message>
        <source>VQ Rudraksh Numerology (*.rkn)</source>
        <translation>VQ Rudraksh Numerology फ़ाइलें (*.rkn)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>खोलने के लिए फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>VQ Rudraksh Numerology</source>
        <translation>VQ Rudraksh Numerology</translation>
    </message>
    <message>
        <source>Export the reading as PDF</source>
        <translation>अंक ज्योतिष फल को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>Choose the folder of your readings</source>
        <translation>अपने अंक ज्योतिष फलों का फ़ोल्डर चुनें</translation>
    </message>
</context>
<context>
    <name>ui::ForumBanner</name>
    <message>
        <source>Discuss Rudraksha and numerology with us in our online forum at vq-software.example.com</source>
        <translation>vq-software.example.com पर हमारे ऑनलाइन फ़ोरम में रुद्राक्ष और अंक ज्योतिष पर हमसे चर्चा करें</translation>
    </message>
    <message>
        <source>Opens our forum in your web browser</source>
        <translation>हमारा फ़ोरम आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
</context>
<context>
    <name>ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट की जाँच करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
</context>
<context>
    <name>ui::Paper</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 (कुल %2)</translation>
    </message>
    <message>
        <source>The PDF document could not be made.</source>
        <translation>PDF दस्तावेज़ नहीं बनाया जा सका।</translation>
    </message>
</context>
<context>
    <name>ui::PersonInputs</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name Using The Letters A To Z</source>
        <translation>कृपया अपना नाम केवल अंग्रेज़ी अक्षरों (A से Z) में दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया जन्म का सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया जन्म का सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल की जाँच करें।</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
</context>
<context>
    <name>ui::PromotionStrip</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के नाम से को-ब्रांड करें। अपनी साइट पर आने वालों का जुड़ाव और साइट का ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें। को-ब्रांडिंग के बारे में अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Opens the co-branding page in your web browser</source>
        <translation>को-ब्रांडिंग का पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Opens the page on the fully branded edition in your web browser</source>
        <translation>पूरी तरह ब्रांडेड संस्करण की जानकारी वाला पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
</context>
<context>
    <name>ui::ReadingDocument</name>
    <message>
        <source>Keeping the beads</source>
        <translation>रुद्राक्ष की देखभाल के नियम</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>All numbers</source>
        <translation>सभी अंक</translation>
    </message>
    <message>
        <source>Lo Shu grid</source>
        <translation>लो-शू ग्रिड</translation>
    </message>
    <message>
        <source>Complete lines</source>
        <translation>पूर्ण रेखाएँ</translation>
    </message>
    <message>
        <source>Empty lines</source>
        <translation>खाली रेखाएँ</translation>
    </message>
    <message>
        <source>What the numbers say</source>
        <translation>अंक क्या कहते हैं</translation>
    </message>
    <message>
        <source>Birth number</source>
        <translation>मूलांक</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>Life path personality text</source>
        <translation>भाग्यांक के अनुसार व्यक्तित्व का विवरण</translation>
    </message>
    <message>
        <source>Life path bead description</source>
        <translation>भाग्यांक के रुद्राक्ष का विवरण</translation>
    </message>
    <message>
        <source>Life path planet text</source>
        <translation>भाग्यांक के ग्रह का विवरण</translation>
    </message>
    <message>
        <source>Destiny personality text</source>
        <translation>नामांक के अनुसार व्यक्तित्व का विवरण</translation>
    </message>
    <message>
        <source>Destiny bead description</source>
        <translation>नामांक के रुद्राक्ष का विवरण</translation>
    </message>
    <message>
        <source>Destiny planet text</source>
        <translation>नामांक के ग्रह का विवरण</translation>
    </message>
    <message>
        <source>Life path %1</source>
        <translation>भाग्यांक: %1</translation>
    </message>
    <message>
        <source>Destiny %1</source>
        <translation>नामांक: %1</translation>
    </message>
    <message>
        <source>Life path number: %1</source>
        <translation>भाग्यांक: %1</translation>
    </message>
    <message>
        <source>Destiny number: %1</source>
        <translation>नामांक: %1</translation>
    </message>
    <message>
        <source>%1 bead</source>
        <translation>%1 का दाना</translation>
    </message>
    <message>
        <source>Symbol of the %1</source>
        <translation>%1 का प्रतीक</translation>
    </message>
    <message>
        <source>Symbol of %1</source>
        <translation>%1 का प्रतीक</translation>
    </message>
    <message>
        <source>No symbol for %1</source>
        <translation>%1 का कोई प्रतीक नहीं</translation>
    </message>
    <message>
        <source>Birth number</source>
        <translation>मूलांक</translation>
    </message>
    <message>
        <source>Birth number personality text</source>
        <translation>मूलांक के अनुसार व्यक्तित्व का विवरण</translation>
    </message>
    <message>
        <source>Birth number bead description</source>
        <translation>मूलांक के रुद्राक्ष का विवरण</translation>
    </message>
    <message>
        <source>Birth number planet text</source>
        <translation>मूलांक के ग्रह का विवरण</translation>
    </message>
    <message>
        <source>Birth number %1</source>
        <translation>मूलांक: %1</translation>
    </message>
    <message>
        <source>Birth number: %1</source>
        <translation>मूलांक: %1</translation>
    </message>
</context>
<context>
    <name>ui::ReadingsModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>मूलांक</translation>
    </message>
    <message>
        <source>Life Path</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>Destiny</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>सहेजने का समय</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
</context>
<context>
    <name>ui::RecentReadingsMenu</name>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>प्रोग्राम का आइकन</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Click here to visit us at %1</source>
        <translation>%1 पर हमारी वेबसाइट देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Opens our home page in your web browser</source>
        <translation>हमारा होम पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Opens the page on the fully branded edition in your web browser</source>
        <translation>पूरी तरह ब्रांडेड संस्करण की जानकारी वाला पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>VQ Rudraksha Numerology gives you the benefits of using Rudraksh beads based on numerology. These beads are said to have many medicinal and spiritual properties that can help you overcome many problems in life.</source>
        <translation>VQ Rudraksha Numerology के साथ आप अंक ज्योतिष के आधार पर रुद्राक्ष धारण करने का लाभ उठा सकते हैं। कहा जाता है कि इन दानों में अनेक औषधीय और आध्यात्मिक गुण होते हैं, जो जीवन की बहुत-सी समस्याओं से पार पाने में आपकी सहायता कर सकते हैं।</translation>
    </message>
</context>
<context>
    <name>ui::frmChart</name>
    <message>
        <source>&amp;Birth Number</source>
        <translation>मूलांक (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;All Numbers</source>
        <translation>सभी अंक (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Lo Shu Grid</source>
        <translation>लो-शू ग्रिड (&amp;L)</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>How it is reached</source>
        <translation>अंक कैसे बना</translation>
    </message>
    <message>
        <source>What it says</source>
        <translation>यह क्या कहता है</translation>
    </message>
    <message>
        <source>Bead</source>
        <translation>रुद्राक्ष</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Add the birth number and the life path number</source>
        <translation>मूलांक और भाग्यांक भी जोड़ें</translation>
    </message>
    <message>
        <source>Complete lines</source>
        <translation>पूर्ण रेखाएँ</translation>
    </message>
    <message>
        <source>Empty lines</source>
        <translation>खाली रेखाएँ</translation>
    </message>
    <message>
        <source>What the numbers say</source>
        <translation>अंक क्या कहते हैं</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>कोई नहीं।</translation>
    </message>
    <message>
        <source>Co&amp;mpatibility</source>
        <translation>अनुकूलता (&amp;M)</translation>
    </message>
    <message>
        <source>The other person</source>
        <translation>दूसरा व्यक्ति</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>नाम (&amp;N)</translation>
    </message>
    <message>
        <source>Birth &amp;Date</source>
        <translation>जन्म तिथि (&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;ecent readings</source>
        <translation>हाल के अंक ज्योतिष फल (&amp;E)</translation>
    </message>
    <message>
        <source>Recent readings</source>
        <translation>हाल के अंक ज्योतिष फल</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>तुलना करें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Open Reading…</source>
        <translation>अंक ज्योतिष फल खोलें (&amp;O)…</translation>
    </message>
    <message>
        <source>E&amp;xport as PDF…</source>
        <translation>PDF के रूप में निर्यात करें (&amp;X)…</translation>
    </message>
    <message>
        <source>Pr&amp;int…</source>
        <translation>प्रिंट करें (&amp;I)…</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>अनुकूलता</translation>
    </message>
    <message>
        <source>Type the other person&apos;s name and birth date and choose Compare, or open their saved reading, to see how your numbers regard each other.</source>
        <translation>दूसरे व्यक्ति का नाम और जन्म तिथि भरकर &quot;तुलना करें&quot; चुनें या उनका सहेजा गया अंक ज्योतिष फल खोलें। फिर यहाँ दिखेगा कि आप दोनों के अंक एक-दूसरे को किस नज़र से देखते हैं।</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
    </message>
    <message>
        <source>The comparison could not be exported to &quot;%1&quot;.

%2</source>
        <translation>तुलना &quot;%1&quot; में निर्यात नहीं की जा सकी।

%2</translation>
    </message>
    <message>
        <source>The comparison could not be printed to &quot;%1&quot;.

%2</source>
        <translation>तुलना &quot;%1&quot; में प्रिंट नहीं की जा सकी।

%2</translation>
    </message>
    <message>
        <source>The comparison could not be printed on &quot;%1&quot;.</source>
        <translation>तुलना &quot;%1&quot; पर प्रिंट नहीं की जा सकी।</translation>
    </message>
    <message>
        <source>Choose a reading</source>
        <translation>कोई अंक ज्योतिष फल चुनें</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>अभी कोई नहीं</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया अंक ज्योतिष फल खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Enter your name and date of birth to get your VQ Rudraksha Numerology Reading!</source>
        <translation>VQ Rudraksha Numerology से अपना अंक ज्योतिष फल जानने के लिए अपना नाम और जन्म तिथि दर्ज करें!</translation>
    </message>
    <message>
        <source>&amp;Get My Rudraksha Numerology Reading</source>
        <translation>मेरा रुद्राक्ष अंक ज्योतिष फल देखें (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Readings…</source>
        <translation>सहेजे गए अंक ज्योतिष फल (&amp;R)…</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल की जाँच करें।</translation>
    </message>
</context>
<context>
    <name>ui::frmReadings</name>
    <message>
        <source>Saved Readings — %1</source>
        <translation>सहेजे गए अंक ज्योतिष फल — %1</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>खोजें (&amp;F):</translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>नाम का कोई भी हिस्सा दर्ज करें</translation>
    </message>
    <message>
        <source>Find a reading by name</source>
        <translation>नाम से अंक ज्योतिष फल खोजें</translation>
    </message>
    <message>
        <source>Saved readings</source>
        <translation>सहेजे गए अंक ज्योतिष फल</translation>
    </message>
    <message>
        <source>&amp;Show Them…</source>
        <translation>सूची देखें (&amp;S)…</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>फ़ोल्डर बदलें…</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>तुलना करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Opens the selected reading</source>
        <translation>चुने गए अंक ज्योतिष फल को खोलता है</translation>
    </message>
    <message>
        <source>Compares the two selected readings</source>
        <translation>चुने गए दोनों अंक ज्योतिष फलों की तुलना करता है</translation>
    </message>
    <message>
        <source>None (there is no home folder)</source>
        <translation>कोई नहीं (होम फ़ोल्डर नहीं मिला)</translation>
    </message>
    <message>
        <source>Folder: none</source>
        <translation>फ़ोल्डर: कोई नहीं</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>फ़ोल्डर: %1</translation>
    </message>
    <message>
        <source>The folder cannot be read: you may not have permission.</source>
        <translation>यह फ़ोल्डर पढ़ा नहीं जा सकता: शायद आपको इसे पढ़ने की अनुमति नहीं है।</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n readings</source>
        <translation>
            <numerusform>%n में से %1 अंक ज्योतिष फल</numerusform>
            <numerusform>%n में से %1 अंक ज्योतिष फल</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n अंक ज्योतिष फल</numerusform>
            <numerusform>%n अंक ज्योतिष फल</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the folder… %n readings so far</source>
        <translation>
            <numerusform>फ़ोल्डर पढ़ा जा रहा है… अब तक %n अंक ज्योतिष फल मिला</numerusform>
            <numerusform>फ़ोल्डर पढ़ा जा रहा है… अब तक %n अंक ज्योतिष फल मिले</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are not readings</source>
        <translation>
            <numerusform>%n फ़ाइल ऐसी है जो अंक ज्योतिष फल नहीं है</numerusform>
            <numerusform>%n फ़ाइलें ऐसी हैं जो अंक ज्योतिष फल नहीं हैं</numerusform>
        </translation>
    </message>
    <message>
        <source>Files That Are Not Readings — %1</source>
        <translation>ऐसी फ़ाइलें जो अंक ज्योतिष फल नहीं हैं — %1</translation>
    </message>
    <message>
        <source>Files that are not readings</source>
        <translation>ऐसी फ़ाइलें जो अंक ज्योतिष फल नहीं हैं</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>कारण</translation>
    </message>
</context>
<context>
    <name>ui::frmRudrakshNumerologyResult</name>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>PDF के रूप में निर्यात करें (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>प्रिंट करें (&amp;P)…</translation>
    </message>
    <message>
        <source>Rudraksh Based On Life Path Number</source>
        <translation>भाग्यांक के अनुसार रुद्राक्ष</translation>
    </message>
    <message>
        <source>Rudraksh Based On Destiny Number</source>
        <translation>नामांक के अनुसार रुद्राक्ष</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>The reading could not be saved to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में सहेजा नहीं जा सका।

%2</translation>
    </message>
    <message>
        <source>The reading could not be exported to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में निर्यात नहीं किया जा सका।

%2</translation>
    </message>
    <message>
        <source>The reading could not be printed to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में प्रिंट नहीं हो सका।

%2</translation>
    </message>
    <message>
        <source>A reading file cannot hold these letters of the name: %1

It will be saved as &quot;%2&quot;.</source>
        <translation>अंक ज्योतिष फल की फ़ाइल में नाम के ये अक्षर नहीं रखे जा सकते: %1

नाम &quot;%2&quot; के रूप में सहेजा जाएगा।</translation>
    </message>
    <message>
        <source>The reading could not be printed on &quot;%1&quot;.</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; पर प्रिंट नहीं हो सका।</translation>
    </message>
    <message>
        <source>&amp;Chart…</source>
        <translation>अंक कुंडली (&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>अंक कुंडली (&amp;C)</translation>
    </message>
</context>
</TS>
